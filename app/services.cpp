#include "app/services.h"

#include "analysis/clslotterydb.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/clssysteminfo.h"
#include "app/clsrecordfile.h"

namespace {

template <class T>
void create(T *&object)
{
    if (!object)
        object = new T();
}

template <class T>
void release(T *&object)
{
    delete object;
    object = nullptr;
}

}  // namespace

void createServiceObjects()
{
    create(gobjRecordFile);
    create(gobjRegistry);
    create(gobjSystemInfo);
    create(gobjFileSystem);
    create(gobjLotteryDb);
}

void releaseServiceObjects()
{
    release(gobjRecordFile);
    release(gobjRegistry);
    release(gobjSystemInfo);
    release(gobjFileSystem);
    release(gobjLotteryDb);
}
