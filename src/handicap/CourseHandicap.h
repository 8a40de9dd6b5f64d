#pragma once
// A golfer's course handicap (strokes received at a course) and predicted
// score, from the handicap index and the course's slope and par.

#include "Real48.h"

#include <string>

namespace tb {

struct CourseHandicapResult {
    long long handicap = 0;
    long long predicted = 0;
};

// slope x index x (1/113), rounded (an exact half to even); 0 when that does
// not fit 64 bits. The arguments are 6-byte reals.
long long CourseHandicapValue(Extended index, Extended slope);

// From the texts as the forms hold them: the index (leading blanks allowed),
// the course's slope and its total par. An index or slope no 6-byte real
// holds gives the course handicap 0. Throws ConvertError.
CourseHandicapResult ComputeCourseHandicap(const std::string& indexText,
                                           const std::string& slopeText,
                                           const std::string& parTotalText);

// The same for the reports, from the index itself: a slope or par that is
// no number counts as 0, as does a slope no 6-byte real holds. Never fails.
CourseHandicapResult StoredCourseHandicap(Extended index, const std::string& slopeText,
                                          const std::string& parTotalText);

std::string HandicapSentence(const std::string& longName, long long handicap);
std::string PredictedScoreSentence(const std::string& longName, long long predicted);

} // namespace tb
