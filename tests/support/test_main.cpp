// The one test main; each tier builds it with the least application object its code needs
// (TEST_APPLICATION: QCoreApplication, QGuiApplication or QApplication), on the offscreen
// platform.
#include <gtest/gtest.h>

#define MOSARO_QUOTE(name) #name
#define MOSARO_HEADER(name) MOSARO_QUOTE(name)
#include MOSARO_HEADER(TEST_APPLICATION)

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TEST_APPLICATION app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
