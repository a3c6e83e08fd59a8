#include "app_identity.h"
#include "front_end.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetApplicationIdentity();

    FrontEnd frontEnd;
    frontEnd.start();
    return QApplication::exec();
}
