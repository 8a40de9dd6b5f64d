#include "widgets/SaveCheck.h"

namespace tb {

SaveDecision AskAboutVanishedFile(QWidget* parent, const std::string& fileName,
                                  const char* itemsNoun) {
    const std::string question = DescribeVanishedFile(fileName) + "  Save this window's " +
                                 itemsNoun + " as " + fileName + " again?";
    return Dialogs::ConfirmDroppingData(parent, ToQt(question)) == Dialogs::Answer::Yes
               ? SaveDecision::Write
               : SaveDecision::Stop;
}

void SayBothDoNotFit(QWidget* parent, const std::string& fileName, const char* itemsNoun,
                     int maxItems) {
    Dialogs::Message(parent,
                     ToQt("Both cannot be kept: " + fileName + " would hold more than " +
                          std::to_string(maxItems) + " " + itemsNoun + ".  Nothing was saved."));
}

} // namespace tb
