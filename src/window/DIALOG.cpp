#include "window/DIALOG.h"

#include <QIcon>
#include <QKeyEvent>

#include "application/Application.h"
#include "history/Listing.h"
#include "history/Purge.h"
#include "ui_DIALOG.h"

namespace {

// The usage text that Help shows; the last line is this version's credit.
const QString kHelpText = QStringLiteral(
    "Netscape Navigatorのlocation listに表示される閲覧履歴を消します。\n"
    "消去したいＵＲＬを選んで（複数可）ＯＫボタンを押してください。\n"
    "\n"
    "注意\n"
    "　１）本ソフトはwin95用Netscape Navigator Ver3 用です。\n"
    "　２）ブラウザを終了してから使ってください。\n"
    "\n"
    "     TAVRINE Ver 0.01 in 1997.05.25\n"
    "       Linux / Qt 6 版 2026.12");

}  // namespace

TForm1::TForm1(QWidget* owner, store::RegistryStore& currentUser)
    : QDialog(owner), ui_(std::make_unique<Ui::TForm1>()), currentUser_(currentUser) {
  ui_->setupUi(this);
  SetWhatTheDescriptionCannotHold();
  TApplication::Instance().HandleErrorsOf([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::SetWhatTheDescriptionCannotHold() {
  // A fixed-size window with system menu, minimise and close box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  QIcon icon;
  icon.addFile(QStringLiteral(":/MAINICON/32.xpm"));
  icon.addFile(QStringLiteral(":/MAINICON/16.xpm"));
  setWindowIcon(icon);

  // The fonts' heights are in pixels, which a description holds only in points.
  const auto setPixelSize = [](QWidget* widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
  };
  setPixelSize(this, 20);
  setPixelSize(ui_->ListBox1, 20);
  for (QWidget* button : {ui_->Button1, ui_->Button2, ui_->Button3}) setPixelSize(button, 17);

  // The list's input method, "WXG Ver 2.00", does not exist on Linux: where
  // no such method is installed there is nothing to switch on.
  ui_->ListBox1->SetItemHeight(22);
  ui_->ListBox1->ShowWholeLinesOnly();
}

void TForm1::FormCreate() { history::ListHistory(currentUser_, state_, *ui_->ListBox1); }

void TForm1::Button1Click() {
  history::PurgeSelected(state_, *ui_->ListBox1);
  close();
}

void TForm1::Button2Click() { close(); }

void TForm1::Button3Click() {
  TApplication::Instance().MessageBox(this, kHelpText, QStringLiteral("TAVRINC Ver 0.01"),
                                      QMessageBox::NoIcon);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // No button cancels: Escape does nothing.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
