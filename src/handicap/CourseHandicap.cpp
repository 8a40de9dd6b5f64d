#include "CourseHandicap.h"

#include "../data/Text.h"

namespace tb {

long long CourseHandicapValue(Extended index, Extended slope) {
    try {
        return RoundHalfEven(slope * index * (1.0L / 113.0L));
    } catch (const OutOfRangeError&) {
        return 0;
    }
}

CourseHandicapResult ComputeCourseHandicap(const std::string& indexText,
                                           const std::string& slopeText,
                                           const std::string& parTotalText) {
    const Extended index = StrToFloat(indexText);
    const Extended slope = StrToFloat(slopeText);
    CourseHandicapResult result;
    try {
        result.handicap = CourseHandicapValue(ToReal48(index), ToReal48(slope));
    } catch (const OutOfRangeError&) {
        result.handicap = 0; // the predicted score is then the par
    }
    result.predicted = result.handicap + StrToInt(parTotalText);
    return result;
}

CourseHandicapResult StoredCourseHandicap(Extended index, const std::string& slopeText,
                                          const std::string& parTotalText) {
    CourseHandicapResult result;
    try {
        result.handicap = CourseHandicapValue(index, ToReal48(StoredNumber(slopeText.c_str())));
    } catch (const OutOfRangeError&) {
        result.handicap = 0; // a slope no 6-byte real holds counts as no number
    }
    int par = 0;
    if (!TryStrToInt(parTotalText, par)) par = 0;
    // A handicap at the edge of 64 bits: as one that does not fit them.
    if (__builtin_add_overflow(result.handicap, par, &result.predicted)) {
        result.handicap = 0;
        result.predicted = par;
    }
    return result;
}

std::string HandicapSentence(const std::string& longName, long long handicap) {
    return "Handicap for " + longName + " at this course is: " + std::to_string(handicap);
}

std::string PredictedScoreSentence(const std::string& longName, long long predicted) {
    return "Predicted score for " + longName + " is: " + std::to_string(predicted);
}

} // namespace tb
