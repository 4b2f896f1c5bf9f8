#include <QApplication>

#include "window/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    blokka::frmMain window;
    if (!window.load()) return 0;
    window.show();
    return QApplication::exec();
}
