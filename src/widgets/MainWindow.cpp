#include "widgets/MainWindow.h"

namespace dorvani {

namespace {
MainWindow *g_main = nullptr;
}

MainWindow *MainWindow::instance()
{
    return g_main;
}

void MainWindow::setInstance(MainWindow *w)
{
    g_main = w;
}

} // namespace dorvani
