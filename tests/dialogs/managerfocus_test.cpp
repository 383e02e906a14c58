// The lottery manager opens with the focus in the first new-number box.

#include "app/globals.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QApplication>

TEST(LotteryManagerFocus, OpensInTheFirstNumberBox)
{
    SampleWorld world;
    world.open(SampleWorld::kLotto);
    gblnLotteryManagerOpen = true;
    frmLotteryManager *m = DefaultInstance<frmLotteryManager>::get();
    bool shown = false;
    whenModal<frmLotteryManager>([&](frmLotteryManager *form) {
        shown = true;
        // The window's own focus child: the window may not be active yet on a busy machine.
        EXPECT_EQ(form->focusWidget(), form->txtNewNumber[1]);
        EXPECT_FALSE(form->cmdDelete->hasFocus());
        DefaultInstance<frmLotteryManager>::unload();
    });
    m->Display();
    EXPECT_TRUE(shown);
    deleteUnloadedWindows();
}
