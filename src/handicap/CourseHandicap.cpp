#include "CourseHandicap.h"

#include "../data/Text.h"

namespace tb {

long long CourseHandicapValue(Extended index, Extended slope) {
    return RoundHalfEven(slope * index * (1.0L / 113.0L));
}

CourseHandicapResult ComputeCourseHandicap(const std::string& indexText,
                                           const std::string& slopeText,
                                           const std::string& parTotalText) {
    Extended index = ToReal48(StrToFloat(indexText));
    Extended slope = ToReal48(StrToFloat(slopeText));
    CourseHandicapResult result;
    result.handicap = CourseHandicapValue(index, slope);
    result.predicted = result.handicap + StrToInt(parTotalText);
    return result;
}

std::string HandicapSentence(const std::string& longName, long long handicap) {
    return "Handicap for " + longName + " at this course is: " + std::to_string(handicap);
}

std::string PredictedScoreSentence(const std::string& longName, long long predicted) {
    return "Predicted score for " + longName + " is: " + std::to_string(predicted);
}

} // namespace tb
