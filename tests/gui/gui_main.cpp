#include "gui_util.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A message box that no test expected is a failure, answered so that the test goes on.
    fixturo::setMessageFallback([](const QMessageBox &box) {
        ADD_FAILURE() << "unexpected message: " << box.text().toStdString();
        return QMessageBox::Ok;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
