#include "app/services.h"

#include "analysis/clslotterydb.h"
#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/clssysteminfo.h"
#include "app/ui/clsrecordfile.h"
#include "app/ui/clswindowontop.h"
#include "boards/language/clslanguage.h"

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
    create(gobjWindowOnTop);
    create(gobjAnalysis);
    create(gobjRecordFile);
    create(gobjRegistry);
    create(gobjSystemInfo);
    create(gobjFileSystem);
    create(gobjLotteryDb);
    create(gobjLanguage);
}

void releaseServiceObjects()
{
    release(gobjWindowOnTop);
    release(gobjAnalysis);
    release(gobjRecordFile);
    release(gobjRegistry);
    release(gobjSystemInfo);
    release(gobjFileSystem);
    release(gobjLotteryDb);
    release(gobjLanguage);
}

void resetProgramState()
{
    gstrLotteryDbFile.clear();
    gstrLastLotteryDbFile.clear();
    gstrTicketName.clear();
    gblnTicketLoad = false;
    gblnTicketMode = false;
    gblnLotteryManagerOpen = false;
    gstrRecordFileName.clear();
    gstrRecordFilePath.clear();
    glngHelpHwnd = 0;
    glngLanguage = 2;
    garrMessages.clear();
    resetOpenLottery();
}
