#pragma once
// The About box: four ball pictures, the program's name, version, copyright and comments, each
// beside a caption in the current language. A frameless window that a click on its empty area,
// on a label, on a ball picture or on the emblem closes.

#include "platform/ui/controls.h"
#include "platform/ui/ctlarray.h"

#include <QDialog>

class frmAbout : public QDialog {
public:
    frmAbout();

    CtlArray<VbPicture> imgIcon;    // 0..3: the plain balls "B", "G", "Y", "R"
    CtlArray<VbLabel> lblCaption;   // 0..3: captions of the four value labels
    VbLabel *lblCopyright = nullptr;
    VbLabel *lblProductName = nullptr;
    VbLabel *lblVersion = nullptr;
    VbLabel *lblComments = nullptr;
    VbPicture *imgPicture1 = nullptr;
    VbPicture *imgPicture2 = nullptr;
    VbPicture *imgPicture3 = nullptr;
    VbPicture *imgPicture4 = nullptr;
    VbPicture *Image3 = nullptr;
    VbLine *linDecor = nullptr;
    VbLine *Line5 = nullptr;
    VbLine *Line6 = nullptr;
    VbLine *Line8 = nullptr;

    void subApplyFormColours();
    void subSetLanguageCaptions();

    // Closes the box and clears its instance.
    void unloadForm();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void reject() override;

private:
    void Form_Load();
    void Form_Click() { unloadForm(); }
    // Places the caption rows and their values for the texts of the present language.
    void layoutRows();
};
