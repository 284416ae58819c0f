#include "app/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <array>

#include "app/product.h"
#include "ui/application_title.h"
#include "ui/control.h"
#include "ui/dialog_frame.h"
#include "ui/form.h"
#include "ui/notice_box.h"
#include "ui/reach_keeper.h"
#include "ui/sheet_font.h"

namespace app {
namespace {

using Kind = ui::Control::Kind;
using ui::Look;

constexpr int kWidthTwips = 5865;
constexpr int kHeightTwips = 3630;

// The credit line and the contact block are the program's own; every name
// and number in them is fictional.
constexpr std::array<ui::Control, 7> kControls{{
    {"cmdOK", Kind::kButton, "OK", {1080, 3120, 1467, 345}, 0, Look::kStandard, ""},
    {"cmdSysInfo",
     Kind::kButton,
     "&System Info...",
     {2760, 3120, 1452, 345},
     1,
     Look::kStandard,
     ""},
    {"lblDisclaimer",
     Kind::kCaption,
     "c/o The Survey Desk\n"
     "Example Marine Surveyors Ltd., draft and cargo surveys\n"
     "1 Example Quay, Anyport AP0 0AA\n"
     "Tel. 555-0100     Fax 555-0199",
     {360, 1680, 5415, 1305},
     2,
     Look::kBlack,
     ""},
    {"lblVersion", Kind::kCaption, "", {480, 720, 4335, 225}, 3, Look::kStandard, ""},
    {"lblTitle", Kind::kCaption, "", {480, 240, 4695, 240}, 4, Look::kBlack, ""},
    {"lblDescription",
     Kind::kCaption,
     "Written for marine surveyors by the Draft Survey team.",
     {480, 1125, 5295, 330},
     5,
     Look::kBlack,
     ""},
    {"Line1", Kind::kLine, "", {0, 1560, 5880, 1560}, -1, Look::kWhite, ""},
}};

}  // namespace

AboutBox::AboutBox(QWidget* owner) : QDialog(owner, ui::kDialogFrame) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(tr("About %1").arg(QString::fromLatin1(ui::kApplicationTitle)));
  setFont(ui::SheetFont::Font());
  setFixedSize(ui::PixelsFromTwips(kWidthTwips), ui::PixelsFromTwips(kHeightTwips));
  ui::BuildForm(*this, kControls);

  findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(VersionText());
  findChild<QLabel*>(QStringLiteral("lblTitle"))
      ->setText(QString::fromLatin1(ui::kApplicationTitle));

  auto* ok = findChild<QPushButton*>(QStringLiteral("cmdOK"));
  ok->setDefault(true);  // Enter; Escape closes the dialog as Cancel would
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), &QPushButton::clicked, this,
          [this] { system_information_.StartSysInfo(); });
  new ui::ReachKeeper(*this);  // a child of the box
}

QString AboutBox::VersionText() {
  return tr("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

void AboutBox::ShowNotice(const std::string& text) {
  ui::ShowNoticeBox(this, QString::fromStdString(text));
}

}  // namespace app
