// A program linked as the real one is: printing and the progress chart come
// from the module it loads at first use, and both work from there.

#include "widgets/ExtrasModule.h"
#include "app/TarnbeckApplication.h"
#include "widgets/Dialogs.h"
#include "widgets/Extras.h"
#include "widgets/Handlers.h"
#include "widgets/Placement.h"
#include "widgets/TbForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ExtrasModule, PrintsAReportAndOpensAProgressWindowThroughTheModule) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    tb::SetIniFilePath(dir.filePath("tarnbeck.ini"));
    tb::Dialogs::StartScript();

    ASSERT_TRUE(tb::PrintReport(nullptr, {{"Score history"}}, "report.pdf"));
    QFile pdf(dir.filePath("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    tb::TbForm opener;
    opener.show();
    tb::GolferRec golfer;
    golfer.LongName = "Smith, John";
    golfer.ShortName = "SMITH";
    tb::OpenProgress(&opener, golfer, {});
    EXPECT_TRUE(QTest::qWaitFor([] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.cbegin(), windows.cend(), [](QWidget* window) {
            return window->isVisible() && window->inherits("tb::TProgressForm");
        });
    }));
}

TEST(ExtrasModule, RefusesAModuleOfAnotherBuildWithTheCommandsErrorBox) {
    tb::Dialogs::StartScript();
    EXPECT_FALSE(tb::RunHandler(nullptr, [] { tb::extras::Load(TARNBECK_OTHER_BUILD_MODULE); }));
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Error);
    const QString text = tb::Dialogs::ShownDialogs()[0].text;
    EXPECT_TRUE(
        text.startsWith("Printing and charts are not available: " TARNBECK_OTHER_BUILD_MODULE
                        " is from another build of Tarnbeck ("))
        << text.toStdString();
    EXPECT_TRUE(text.contains(" build other; this program is ")) << text.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    tb::TarnbeckApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
