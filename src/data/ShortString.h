#pragma once
// A bounded 8-bit string: holds at most Capacity bytes and silently cuts
// anything longer on assignment, the way the data files' fixed-size fields
// behave. Bytes are stored as they are (Latin-1 when shown).

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace tb {

template <std::size_t Capacity> class ShortString {
public:
    static constexpr std::size_t capacity = Capacity;

    ShortString() = default;
    ShortString(std::string_view text) : text_(text.substr(0, Capacity)) {}
    ShortString(const char* text) : ShortString(std::string_view(text)) {}
    ShortString(const std::string& text) : ShortString(std::string_view(text)) {}

    ShortString& operator=(std::string_view text) {
        text = text.substr(0, Capacity);
        const std::less<const char*> before;
        const char* own = text_.data();
        if (!before(text.data(), own) && !before(own + text_.size(), text.data())) {
            // A part of this very string: copied out first.
            text_ = std::string(text);
            return *this;
        }
        // In place, into the buffer the string already has: reading a file
        // into a list it filled before allocates nothing.
        text_.resize(text.size());
        if (!text.empty()) std::memcpy(text_.data(), text.data(), text.size());
        return *this;
    }
    ShortString& operator=(const std::string& text) { return *this = std::string_view(text); }
    ShortString& operator=(const char* text) { return *this = std::string_view(text); }

    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }

    friend bool operator==(const ShortString& a, const ShortString& b) {
        return a.text_ == b.text_;
    }
    friend bool operator==(const ShortString& a, std::string_view b) { return a.text_ == b; }
    friend bool operator==(const ShortString& a, const std::string& b) { return a.text_ == b; }
    friend bool operator==(const ShortString& a, const char* b) { return a.text_ == b; }

private:
    std::string text_;
};

} // namespace tb
