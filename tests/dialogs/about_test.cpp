#include "app/globals.h"
#include "dialogs/frmabout.h"
#include "platform/ui/forms.h"

#include <QCoreApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class AboutBox : public ::testing::Test {
protected:
    void TearDown() override
    {
        DefaultInstance<frmAbout>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        glngLanguage = 2;
    }
    frmAbout *open()
    {
        frmAbout *about = DefaultInstance<frmAbout>::get();
        about->show();
        return about;
    }
    // Opens a fresh box, clicks what `target` picks and tells whether the box closed.
    bool closesOnClick(const std::function<QWidget *(frmAbout *)> &target)
    {
        frmAbout *about = open();
        QTest::mouseClick(target(about), Qt::LeftButton);
        const bool closed = !DefaultInstance<frmAbout>::exists() && !about->isVisible();
        DefaultInstance<frmAbout>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }
};

}  // namespace

TEST_F(AboutBox, ClicksOnTheWindowLabelsBallsAndEmblemCloseItTheOtherPicturesDoNot)
{
    const std::pair<std::function<QWidget *(frmAbout *)>, bool> clicks[] = {
        {[](frmAbout *a) { return a->imgIcon[0]; }, true},       {[](frmAbout *a) { return a->imgIcon[3]; }, true},
        {[](frmAbout *a) { return a->lblCaption[0]; }, true},    {[](frmAbout *a) { return a->lblCaption[3]; }, true},
        {[](frmAbout *a) { return a->imgPicture1; }, true},      {[](frmAbout *a) { return a->lblCopyright; }, true},
        {[](frmAbout *a) { return a->lblProductName; }, true},   {[](frmAbout *a) { return a->lblVersion; }, true},
        {[](frmAbout *a) { return a->lblComments; }, true},      {[](frmAbout *a) { return a->imgPicture2; }, false},
        {[](frmAbout *a) { return a->imgPicture3; }, false},     {[](frmAbout *a) { return a->imgPicture4; }, false},
        {[](frmAbout *a) { return a->Image3; }, false},
    };
    int i = 0;
    for (const auto &[target, closes] : clicks)
        EXPECT_EQ(closesOnClick(target), closes) << "click " << i++;

    // The empty window area.
    frmAbout *about = open();
    const QPoint empty(150, 75);
    ASSERT_EQ(about->childAt(empty), nullptr);
    QTest::mouseClick(about, Qt::LeftButton, {}, empty);
    EXPECT_FALSE(DefaultInstance<frmAbout>::exists());
}

TEST_F(AboutBox, EscapeClosesAndTheNextOpeningLoadsAfresh)
{
    frmAbout *about = open();
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(DefaultInstance<frmAbout>::exists());
    glngLanguage = 3;
    EXPECT_EQ(open()->lblCaption[1]->caption(), QStringLiteral("Nom du programme :"));
}

TEST_F(AboutBox, CaptionsValuesAndBalls)
{
    glngLanguage = 3;
    frmAbout *about = open();
    EXPECT_EQ(about->lblCaption[0]->caption(), QStringLiteral("Droits d'auteur :"));
    EXPECT_EQ(about->lblCaption[1]->caption(), QStringLiteral("Nom du programme :"));
    EXPECT_EQ(about->lblCaption[2]->caption(), QStringLiteral("Version :"));
    EXPECT_EQ(about->lblCaption[3]->caption(), QString::fromUtf8("Marques déposées :"));
    EXPECT_EQ(about->lblVersion->caption(), QStringLiteral("1.0.12"));
    EXPECT_EQ(about->lblProductName->caption(), QStringLiteral("TALVINOR"));
    EXPECT_FALSE(about->lblCopyright->caption().isEmpty());
    EXPECT_FALSE(about->lblComments->caption().isEmpty());
    EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about->size(), QSize(313, 313));
    const char *const names[] = {"B", "G", "Y", "R"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(about->imgIcon[i]->pictureName(), QString::fromLatin1(names[i]));
        EXPECT_FALSE(about->imgIcon[i]->picture().isNull());
        EXPECT_EQ(about->imgIcon[i]->size(), QSize(28, 28));
    }
}
