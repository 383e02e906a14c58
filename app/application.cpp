#include "app/application.h"

namespace {

std::unique_ptr<Application> &current()
{
    static std::unique_ptr<Application> application;
    return application;
}

template <class T>
void create(std::unique_ptr<T> &object)
{
    if (!object)
        object = std::make_unique<T>();
}

}  // namespace

Application &app()
{
    std::unique_ptr<Application> &application = current();
    return application ? *application : makeApplication();
}

Application &makeApplication()
{
    std::unique_ptr<Application> &application = current();
    // The old object goes first: its services and lock are released before the new one takes them.
    application.reset();
    application = std::make_unique<Application>();
    return *application;
}

void Application::createServiceObjects()
{
    create(gobjRecordFile);
    create(gobjRegistry);
    create(gobjSystemInfo);
    create(gobjFileSystem);
    create(gobjLotteryDb);
}

void Application::releaseServiceObjects()
{
    gobjRecordFile.reset();
    gobjRegistry.reset();
    gobjSystemInfo.reset();
    gobjFileSystem.reset();
    gobjLotteryDb.reset();
}
