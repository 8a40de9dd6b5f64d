#include "BenchData.h"

#include "data/CourseFile.h"
#include "data/GolferFile.h"
#include "data/ScoreFile.h"
#include "data/StrokeIndexFile.h"
#include "handicap/ScoreEntry.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>
#include <stdexcept>

namespace tbbench {
namespace fs = std::filesystem;

namespace {

struct Course {
    const char* name;
    const char* rating;
    const char* slope;
    std::array<int, 18> pars;
};

const std::array<Course, 12> Courses = {{
    {"OAK HOLLOW", "71.2", "121", {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5}},
    {"PINE RIDGE", "70.0", "113", {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 4, 3, 5, 4, 3, 4, 4, 5}},
    {"RIVERBEND", "69.4", "117", {4, 4, 4, 3, 5, 4, 3, 4, 4, 5, 4, 3, 4, 4, 5, 3, 4, 4}},
    {"EAGLE CREEK", "73.1", "132", {5, 4, 4, 3, 4, 4, 5, 3, 4, 4, 4, 5, 3, 4, 4, 5, 3, 4}},
    {"WILLOW BROOK GOLF CLUB",
     "72.5",
     "128",
     {4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4}},
    {"STONEBRIDGE", "68.7", "115", {4, 4, 3, 4, 4, 5, 3, 4, 4, 4, 4, 3, 4, 5, 4, 3, 4, 4}},
    {"MAPLE HILLS", "70.8", "124", {5, 3, 4, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 4, 3, 4, 5}},
    {"LAKESIDE", "69.9", "119", {4, 4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 5, 3, 4, 4, 4, 3, 5}},
    {"HERON POINT", "74.2", "138", {4, 5, 4, 3, 4, 4, 5, 3, 4, 5, 4, 4, 3, 4, 4, 5, 3, 4}},
    {"CEDAR VALLEY COUNTRY CLUB",
     "71.7",
     "126",
     {4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5}},
    {"FOX RUN", "67.9", "110", {4, 3, 4, 4, 5, 3, 4, 4, 4, 4, 3, 4, 4, 5, 3, 4, 4, 4}},
    {"SANDY LINKS", "72.0", "130", {4, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5}},
}};

const std::array<const char*, 24> FirstNames = {
    "John",  "Mary",  "Robert",  "Patricia", "James",   "Linda", "Michael", "Barbara",
    "David", "Susan", "William", "Karen",    "Richard", "Nancy", "Thomas",  "Lisa",
    "Peter", "Anne",  "George",  "Helen",    "Frank",   "Ruth",  "Edward",  "Joan"};
const std::array<const char*, 30> LastNames = {
    "Anderson", "Baker",  "Carter",   "Dawson",  "Ellis",     "Fischer", "Gray",    "Harper",
    "Irwin",    "Jensen", "Keller",   "Lambert", "Morrison",  "Nolan",   "O'Brien", "Parker",
    "Quinn",    "Reyes",  "Sullivan", "Turner",  "Underwood", "Vaughn",  "Walsh",   "Young",
    "Zimmer",   "Brooks", "Fletcher", "Hughes",  "McKenzie",  "Stewart"};
const std::array<const char*, 8> Comments = {
    "windy",      "rain on the back nine", "cart path only",  "league night",
    "club medal", "greens just aerated",   "played with Dad", "lost two balls on 14"};

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string StorageDate(std::chrono::sys_days day) {
    std::chrono::year_month_day ymd{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

void WriteLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << "\r\n";
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// One round by a player of about `ability` strokes over par, newest first
// from `day`.
tb::ScoreRec PlayRound(std::mt19937& random, double ability, std::chrono::sys_days day) {
    const Course& course = Courses[random() % Courses.size()];
    std::normal_distribution<double> overPar(ability / 18.0 + 0.15, 0.85);
    std::discrete_distribution<int> putts({6, 55, 36, 3}); // 0 to 3 putts
    tb::ScoreRec rec;
    tb::BlankScoreRec(rec);
    rec.Date = StorageDate(day);
    rec.CourseName = course.name;
    rec.Rating = course.rating;
    rec.Slope = course.slope;
    rec.Comment = random() % 100 < 15 ? Comments[random() % Comments.size()] : "";
    const int maximum = tb::HoleMaximum(ability);
    int total = 0, adjusted = 0;
    for (int hole = 0; hole < 18; ++hole) {
        int strokes =
            std::max(1, course.pars[hole] + static_cast<int>(std::lround(overPar(random))));
        int holePutts = std::min(strokes - 1, std::max(putts(random), 0));
        rec.HoleScore[hole] = std::to_string(strokes);
        rec.Putts[hole] = std::to_string(holePutts);
        total += strokes;
        adjusted += std::min(strokes, maximum);
    }
    rec.Score = std::to_string(total);
    rec.AdjScore = std::to_string(adjusted);
    // Now and then a round from a course that had not been rated yet.
    if (random() % 100 == 0) {
        rec.Rating = "0.0";
        rec.Slope = "0";
    }
    return rec;
}

// The course list holds the courses the rounds are played on, then as many
// variants of them ("OAK HOLLOW NORTH") as make `count` courses.
tb::CourseRec CourseRecord(const Course& course, const std::string& name, double ratingShift) {
    tb::CourseRec rec;
    char rating[8];
    std::snprintf(rating, sizeof rating, "%.1f", std::atof(course.rating) + ratingShift);
    rec.Name = name;
    rec.Rating = ratingShift == 0 ? course.rating : rating;
    rec.Slope = course.slope;
    int parTotal = 0;
    for (int hole = 0; hole < 18; ++hole) {
        rec.Par[hole] = std::to_string(course.pars[hole]);
        parTotal += course.pars[hole];
    }
    rec.ParTotal = std::to_string(parTotal);
    return rec;
}

const std::array<const char*, 17> CourseVariants = {
    "NORTH", "SOUTH", "EAST",  "WEST",  "UPPER", "LOWER", "OLD",   "NEW",  "RED",
    "BLUE",  "GOLD",  "WHITE", "BLACK", "GREEN", "PARK",  "HILLS", "DUNES"};

// Writes courses.vxc with `count` courses and strokeidx.vxc with a line
// for each of them. The stroke indexes come from a generator of their own,
// so that the golfers and their rounds stay what they were.
void WriteCourses(const fs::path& dir, int count) {
    std::mt19937 random(count);
    std::vector<std::string> courseLines, strokeLines;
    for (int c = 0; c < count; ++c) {
        const Course& course = Courses[c % Courses.size()];
        const int variant = c / static_cast<int>(Courses.size());
        std::string name = course.name;
        if (variant > 0)
            name += std::string(" ") + CourseVariants[(variant - 1) % CourseVariants.size()];
        courseLines.push_back(tb::FormatCourseLine(
            CourseRecord(course, name, variant == 0 ? 0 : (variant % 5) * 0.3)));
        tb::StrokeIndexRow row;
        std::iota(row.begin(), row.end(), 1);
        std::shuffle(row.begin(), row.end(), random);
        strokeLines.push_back(tb::FormatStrokeIndexLine(name, row));
    }
    WriteLines(dir / tb::CourseFileName, courseLines);
    WriteLines(dir / tb::StrokeIndexFileName, strokeLines);
}

} // namespace

std::vector<std::string> WriteBenchFolder(const fs::path& dir, const BenchFolderSize& size) {
    fs::create_directories(dir);
    std::mt19937 random(size.seed);

    WriteCourses(dir, size.courses);

    tb::GolferList golfers;
    std::vector<double> abilities;
    for (int g = 0; g < size.golfers; ++g) {
        std::string last = LastNames[random() % LastNames.size()];
        std::string first = FirstNames[random() % FirstNames.size()];
        tb::GolferRec golfer;
        // A middle initial keeps the long names apart.
        golfer.LongName = last + ", " + first + " " + static_cast<char>('A' + g % 26) + ".";
        std::string letters;
        for (char c : Upper(last))
            if (c >= 'A' && c <= 'Z' && letters.size() < 5) letters += c;
        char number[12];
        std::snprintf(number, sizeof number, "%03d", g);
        golfer.ShortName = letters + number;
        golfer.Sex = random() % 100 < 30 ? 1 : 0;
        golfers.push_back(golfer);
        abilities.push_back(std::uniform_real_distribution<double>(0.0, 32.0)(random));
    }

    for (std::size_t g = 0; g < golfers.size(); ++g) {
        std::chrono::sys_days day = std::chrono::sys_days{std::chrono::year{2024} / 10 / 31} -
                                    std::chrono::days{static_cast<int>(random() % 20)};
        std::vector<std::string> lines;
        for (int s = 0; s < size.scoresPerGolfer; ++s) {
            lines.push_back(tb::FormatScoreLine(PlayRound(random, abilities[g], day)));
            // Mostly a few days apart; now and then two rounds on one day.
            if (random() % 50 != 0) day -= std::chrono::days{1 + static_cast<int>(random() % 9)};
        }
        WriteLines(dir / tb::ScoreFileName(golfers[g].ShortName.str()), lines);
    }

    // The golfer list as golfer maintenance saves it: sorted by long name.
    tb::SortGolfers(golfers);
    std::vector<std::string> golferLines, shortNames;
    for (const tb::GolferRec& golfer : golfers) {
        golferLines.push_back(tb::FormatGolferLine(golfer));
        shortNames.push_back(golfer.ShortName.str());
    }
    WriteLines(dir / tb::GolferFileName, golferLines);
    return shortNames;
}

} // namespace tbbench
