#pragma once
// Fonts and printers need a GUI application object; tests run on the
// offscreen platform and share one for the whole program.

#include <QGuiApplication>

#include <cstdlib>

namespace vantora::test {

inline void ensureGuiApp() {
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "custom_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace vantora::test
