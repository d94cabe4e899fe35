#include "Startup.h"

#include "data/Database.h"
#include "ui/Application.h"
#include "ui/mainFrm.h"

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    std::unique_ptr<TmainFrm> main = StartUp();
    if (!main) {
        DB.SetConnected(false);
        return 0;
    }
    AfterStartUp(*main);
    const int result = app.exec();
    DB.SetConnected(false);
    return result;
}
