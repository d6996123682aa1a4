#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include <clocale>

int main(int argc, char **argv)
{
    // Results must not depend on the machine's time zone or locale.
    qputenv("TZ", "UTC");
    qputenv("LC_ALL", "C.UTF-8");
    std::setlocale(LC_ALL, "C.UTF-8");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
