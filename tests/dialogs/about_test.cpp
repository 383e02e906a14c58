#include "app/globals.h"
#include "dialogs/driving.h"
#include "dialogs/frmabout.h"
#include "platform/ui/forms.h"

#include <QLabel>

// A click on the window, a label, a plain ball or the emblem closes the About box, a click on
// the other pictures does not, nor does it close by itself; Escape closes it. It opens afresh in
// the present language.
TEST(AboutBox, ClicksOnTheWindowLabelsBallsAndEmblemCloseIt)
{
    for (const auto &[target, closes] : {std::pair{"", true}, {"imgIcon(0)", true}, {"imgIcon(3)", true},
                                         {"lblCaption(0)", true}, {"lblCaption(3)", true}, {"imgPicture1", true},
                                         {"lblCopyright", true}, {"lblProductName", true}, {"lblVersion", true},
                                         {"lblComments", true}, {"imgPicture2", false}, {"imgPicture4", false},
                                         {"Image3", false}}) {
        frmAbout *about = DefaultInstance<frmAbout>::get();
        showActive(about);
        if (*target)
            click(about, QString::fromLatin1(target));
        else
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(150, 75));  // the empty window area
        EXPECT_EQ(!DefaultInstance<frmAbout>::exists(), closes) << target;
        DefaultInstance<frmAbout>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    glngLanguage = 3;
    showActive(DefaultInstance<frmAbout>::get());
    EXPECT_EQ(named<QLabel>(DefaultInstance<frmAbout>::get(), "lblCaption(1)")->text(), QStringLiteral("Nom du programme :"));
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(DefaultInstance<frmAbout>::exists());
    glngLanguage = 2;
}
