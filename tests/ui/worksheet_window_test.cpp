#include "ui/worksheet_window.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <map>
#include <set>

#include "calc/number_text.h"
#include "tests/support/gui_test_case.h"
#include "ui/control.h"
#include "ui/line_widget.h"
#include "ui/sheet_font.h"
#include "ui/worksheet_form.h"
#include "ui/wrapping_button.h"

using testing_support::Dismissal;
using testing_support::SeenBox;

namespace {

// Sets the application palette for one test and puts the old one back.
class ScopedPalette {
 public:
  explicit ScopedPalette(const QPalette& palette) : saved_(QApplication::palette()) {
    QApplication::setPalette(palette);
  }
  ~ScopedPalette() { QApplication::setPalette(saved_); }
  ScopedPalette(const ScopedPalette&) = delete;
  ScopedPalette& operator=(const ScopedPalette&) = delete;

 private:
  QPalette saved_;
};

struct Layout {
  QRectF ink;
  qreal height = 0;
};

Layout LayOut(const QFont& font, int width, const QString& text) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  const qreal leading = QFontMetricsF(font).leading();
  Layout result;
  result.height = -leading;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    result.height += leading;
    line.setLineWidth(width);
    line.setPosition(QPointF(0, result.height));
    result.height += line.height();
  }
  layout.endLayout();
  const QFontMetricsF metrics(font);
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const QRectF glyphs = metrics.tightBoundingRect(text.mid(line.textStart(), line.textLength()));
    result.ink |=
        glyphs.translated(line.x() + line.naturalTextRect().x(), line.y() + line.ascent());
  }
  return result;
}

QRect Pixels(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

class WorksheetWindowTest : public testing_support::GuiTestCase {
  Q_OBJECT

 protected:
  void SetUp() override {
    window_ = new ui::WorksheetWindow;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }

  QLineEdit* Field(int n) {
    return window_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
  }
  QPushButton* Button(int n) {
    return window_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
  }
  void Type(int n, const QString& text) {
    Field(n)->clear();
    QTest::keyClicks(Field(n), text);
  }
  std::map<int, QString> FieldTexts() {
    std::map<int, QString> texts;
    for (int n = 1; n <= 44; ++n) texts[n] = Field(n)->text();
    return texts;
  }

  QPointer<ui::WorksheetWindow> window_;

 private slots:
  void framesTheSheetAsItsOwnWindow() {
    QCOMPARE(window_->objectName(), QStringLiteral("frmDraftSurvey"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Draft Survey"));
    QCOMPARE(window_->size(), QSize(523, 573));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->parentWidget() == nullptr);
  }

  void holdsEveryControlByName() {
    QCOMPARE(window_->findChildren<QLineEdit*>().size(), 44);
    QCOMPARE(window_->findChildren<QLabel*>().size(), 45);
    QCOMPARE(window_->findChildren<QPushButton*>().size(), 14);
    QCOMPARE(window_->findChildren<ui::LineWidget*>().size(), 6);
    for (int n = 1; n <= 44; ++n) QVERIFY2(Field(n) != nullptr, qPrintable(QString::number(n)));
    for (int n = 1; n <= 14; ++n) QVERIFY(Button(n) != nullptr);
    for (int n = 1; n <= 45; ++n) {
      QVERIFY(window_->findChild<QLabel*>(QStringLiteral("Label%1").arg(n)) != nullptr);
    }
  }

  void placesEveryControlAsItsTableSays() {
    for (const ui::Control& control : ui::WorksheetControls()) {
      auto* widget = window_->findChild<QWidget*>(
          QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size())));
      QVERIFY(widget != nullptr);
      const auto& [a, b, c, d] = control.twips;
      if (control.kind == ui::Control::Kind::kLine) {
        auto* line = qobject_cast<ui::LineWidget*>(widget);
        QVERIFY(line != nullptr);
        QCOMPARE(line->from(), QPoint(a / 15, b / 15));
        QCOMPARE(line->to(), QPoint(c / 15, d / 15));
      } else {
        QCOMPARE(widget->geometry(), Pixels(a, b, c, d));
      }
      if (control.kind == ui::Control::Kind::kCaption ||
          control.kind == ui::Control::Kind::kButton) {
        const QString text = control.kind == ui::Control::Kind::kCaption
                                 ? qobject_cast<QLabel*>(widget)->text()
                                 : qobject_cast<QPushButton*>(widget)->text();
        QCOMPARE(text, QString::fromUtf8(control.text.data(),
                                         static_cast<qsizetype>(control.text.size())));
      }
    }
  }

  // Spot checks written out by hand, so a slip in the table is caught too.
  void placesKnownControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");
    QTest::newRow("first field") << "Text1" << Pixels(1440, 120, 1095, 285) << "";
    QTest::newRow("aft stem") << "Text11" << Pixels(1440, 3120, 1095, 285) << "";
    QTest::newRow("cargo") << "Text40" << Pixels(4080, 5880, 1095, 375) << "";
    QTest::newRow("trim total") << "Text43" << Pixels(5520, 7080, 1095, 405) << "";
    QTest::newRow("light ship") << "Text44" << Pixels(2520, 7080, 855, 375) << "";
    QTest::newRow("aft stem caption")
        << "Label14" << Pixels(120, 3120, 1335, 375) << "Stem Correction";
    QTest::newRow("legend") << "Label44" << Pixels(3000, 480, 1095, 255) << "S = Star Port";
    QTest::newRow("third step") << "Command3" << Pixels(2640, 4080, 975, 495)
                                << "3rd:      Draft A + F";
    QTest::newRow("clear") << "Command14" << Pixels(2640, 6000, 975, 855)
                           << "Click here to clear/delete all data";
    QTest::newRow("second correction")
        << "Command13" << Pixels(6240, 8160, 1455, 255) << "Calculate T.C. 2";
  }
  void placesKnownControls() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);
    auto* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), pixels);
    if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), text);
  }

  void startsEmptyWithFocusInFirstField() {
    for (int n = 1; n <= 44; ++n) QVERIFY(Field(n)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), Field(1));
  }

  void tabsThroughFieldsAndButtonsInSheetOrder() {
    QStringList expected;
    for (int n = 1; n <= 22; ++n) expected << QStringLiteral("Text%1").arg(n);
    expected.move(expected.indexOf("Text11"), 10);  // Text11 after Text10
    for (int n = 1; n <= 7; ++n) expected << QStringLiteral("Command%1").arg(n);
    for (int n = 23; n <= 27; ++n) expected << QStringLiteral("Text%1").arg(n);
    expected << "Command8";
    for (int n = 28; n <= 32; ++n) expected << QStringLiteral("Text%1").arg(n);
    expected << "Command9";
    for (int n = 33; n <= 39; ++n) expected << QStringLiteral("Text%1").arg(n);
    expected << "Command10"
             << "Text40"
             << "Text41"
             << "Text42"
             << "Text43"
             << "Command11"
             << "Command12"
             << "Command13"
             << "Command14"
             << "Text44"
             << "Text1";
    QCOMPARE(expected.size(), 59);

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void typingReachesTheWorksheetAtOnce() {
    Type(7, QStringLiteral("8.03 m"));
    QCOMPARE(window_->sheet().Text(7), std::string("8.03 m"));
    QTest::keyClick(Field(7), Qt::Key_Backspace);
    QCOMPARE(window_->sheet().Text(7), std::string("8.03 "));
    Type(26, QStringLiteral("Tiefgang "));
    QTest::sendKeyEvent(QTest::Click, Field(26), Qt::Key_unknown, QStringLiteral("\u00e4"),
                        Qt::NoModifier);
    QCOMPARE(window_->sheet().Text(26), std::string("Tiefgang \xc3\xa4"));
  }

  void eachButtonChangesExactlyItsOutputs_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addColumn<int>("notices");
    QTest::newRow("Command1") << 1 << QList<int>{3, 5} << 0;
    QTest::newRow("Command2") << 2 << QList<int>{8, 9} << 0;
    QTest::newRow("Command3") << 3 << QList<int>{10} << 0;
    QTest::newRow("Command4") << 4 << QList<int>{14} << 0;
    QTest::newRow("Command5") << 5 << QList<int>{15, 16} << 2;
    QTest::newRow("Command6") << 6 << QList<int>{19} << 1;
    QTest::newRow("Command7") << 7 << QList<int>{21, 22} << 1;
    QTest::newRow("Command8") << 8 << QList<int>{23, 24, 25} << 0;
    QTest::newRow("Command9") << 9 << QList<int>{32} << 1;
    QTest::newRow("Command10") << 10 << QList<int>{33, 40} << 1;
    QTest::newRow("Command11") << 11 << QList<int>{43} << 0;
    QTest::newRow("Command12") << 12 << QList<int>{42} << 1;
    QTest::newRow("Command13") << 13 << QList<int>{41} << 1;
    QList<int> all;
    for (int n = 1; n <= 44; ++n) all << n;
    QTest::newRow("Command14") << 14 << all << 0;
  }
  void eachButtonChangesExactlyItsOutputs() {
    QFETCH(int, command);
    QFETCH(QList<int>, outputs);
    QFETCH(int, notices);
    // Every field holds n + 0.5, so that every output differs from its input.
    for (int n = 1; n <= 44; ++n) Type(n, QStringLiteral("%1.5").arg(n));
    const auto before = FieldTexts();
    boxes().Expect(notices);

    QTest::mouseClick(Button(command), Qt::LeftButton);

    QCOMPARE(static_cast<int>(boxes().seen().size()), notices);
    const std::set<int> changed(outputs.begin(), outputs.end());
    for (int n = 1; n <= 44; ++n) {
      QCOMPARE(Field(n)->text() != before.at(n), changed.count(n) == 1);
      QCOMPARE(Field(n)->text().toStdString(), window_->sheet().Text(n));
    }
  }

  void noticesComeInOrderAndFieldsChangeAfterTheLast() {
    Type(10, QStringLiteral("7.2"));
    Type(14, QStringLiteral("7.3"));
    QStringList shown_while_up;
    boxes().Expect(2, Dismissal::kOkButton, [&](QDialog&) {
      shown_while_up << Field(15)->text() + "|" + Field(16)->text();
    });

    QTest::mouseClick(Button(5), Qt::LeftButton);

    QCOMPARE(boxes().seen().size(), std::size_t{2});
    QCOMPARE(boxes().seen()[0].text,
             QStringLiteral("Mean of Means = ((Draft A + F Mean) + (Draft Mid. Mean)) / 2"));
    QCOMPARE(
        boxes().seen()[1].text,
        QStringLiteral("Draft Corrected for Deformation = ((Mean of Means) + (Mid. Mean)) / 2"));
    QCOMPARE(shown_while_up, (QStringList{"|", "|"}));
    QCOMPARE(Field(15)->text(), QStringLiteral("7.25"));
    QCOMPARE(Field(16)->text(), QStringLiteral("7.275"));
  }

  void cargoNoticeComesBeforeTheCargo() {
    Type(22, QStringLiteral("20000"));
    Type(44, QStringLiteral("5000"));
    QString cargo_while_up = QStringLiteral("unseen");
    boxes().Expect(1, Dismissal::kOkButton, [&](QDialog&) { cargo_while_up = Field(40)->text(); });

    QTest::mouseClick(Button(10), Qt::LeftButton);

    QCOMPARE(cargo_while_up, QString());
    QCOMPARE(Field(33)->text(), QStringLiteral("20000"));
    QCOMPARE(Field(40)->text(), QStringLiteral("15000"));
  }

  void noticeIsPlainBoxWithOneOk_data() { testing_support::AddDismissalRows(); }
  void noticeIsPlainBoxWithOneOk() {
    QFETCH(Dismissal, how);
    Type(30, QStringLiteral("210"));
    Type(31, QStringLiteral("190"));
    boxes().Expect(1, how);

    QTest::mouseClick(Button(9), Qt::LeftButton);

    QCOMPARE(boxes().seen().size(), std::size_t{1});
    const SeenBox& box = boxes().seen().front();
    QCOMPARE(box.title, QStringLiteral("Draft Survey"));
    QCOMPARE(box.text, QStringLiteral("DM = (MTC + 50) - (MTC - 50)"));
    QCOMPARE(box.icon, static_cast<int>(QMessageBox::NoIcon));
    QCOMPARE(box.buttons, QStringList{"OK"});
    QCOMPARE(box.default_button, QStringLiteral("OK"));
    QCOMPARE(Field(32)->text(), QStringLiteral("20"));
  }

  void faultIsReportedAndEarlierWritesStay() {
    Type(1, QStringLiteral("1.7e308"));
    Type(4, QStringLiteral("-1.7e308"));
    Type(5, QStringLiteral("old"));
    QString mean_while_up;
    boxes().Expect(1, Dismissal::kOkButton, [&](QDialog&) { mean_while_up = Field(3)->text(); });

    QTest::mouseClick(Button(1), Qt::LeftButton);

    QCOMPARE(boxes().seen().size(), std::size_t{1});
    QCOMPARE(boxes().seen().front().title, QStringLiteral("Draft Survey"));
    QCOMPARE(boxes().seen().front().text, QStringLiteral("Overflow."));
    QCOMPARE(boxes().seen().front().icon, static_cast<int>(QMessageBox::Warning));
    QCOMPARE(mean_while_up, QStringLiteral("8.5E+307"));
    QCOMPARE(Field(5)->text(), QStringLiteral("old"));
    QVERIFY(window_ != nullptr && window_->isVisible());
  }

  void faultTextsNameTheFault() {
    QCOMPARE(ui::WorksheetWindow::FaultText(calc::Fault::DivisionByZero),
             QStringLiteral("Division by zero."));
    QCOMPARE(ui::WorksheetWindow::FaultText(calc::Fault::Overflow), QStringLiteral("Overflow."));
  }

  void enterInAFieldRunsNothing() {
    for (int n = 1; n <= 44; ++n) Type(n, QStringLiteral("3"));
    const auto before = FieldTexts();
    for (int n = 1; n <= 44; ++n) {
      Field(n)->setFocus();
      QTest::keyClick(Field(n), Qt::Key_Return);
      QTest::keyClick(Field(n), Qt::Key_Enter);
    }
    QCOMPARE(FieldTexts(), before);
    for (int n = 1; n <= 14; ++n) {
      QVERIFY(!Button(n)->isDefault());
      QVERIFY(!Button(n)->autoDefault());
    }
  }

  void resizingMovesNothing() {
    std::map<QString, QRect> before;
    for (QWidget* child : window_->findChildren<QWidget*>())
      before[child->objectName()] = child->geometry();
    for (const QSize size : {QSize(900, 800), QSize(200, 150), QSize(523, 573)}) {
      window_->resize(size);
      QCoreApplication::processEvents();
      for (QWidget* child : window_->findChildren<QWidget*>()) {
        QCOMPARE(child->geometry(), before[child->objectName()]);
      }
    }
  }

  // Lays a caption out as QPainter does (wrapping at spaces, leading between
  // lines, block centred or at the top) and checks that the ink of every
  // glyph and every whole word lies inside the box.
  void everyCaptionFitsItsBox() {
    QStringList cut;
    const auto check = [&](const QWidget& control, const QString& text, const QRect& room,
                           bool centred) {
      const QFontMetrics metrics(control.font());
      for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > room.width())
          cut << control.objectName() + " '" + word + "'";
      }
      const Layout layout = LayOut(control.font(), room.width(), text);
      const qreal top = centred ? (room.height() - layout.height) / 2 : 0;
      const QRectF ink = layout.ink.translated(0, top);
      if (ink.top() < 0 || ink.bottom() > room.height() || ink.right() > room.width()) {
        cut << QStringLiteral("%1 ink %2..%3 in %4 px")
                   .arg(control.objectName())
                   .arg(ink.top())
                   .arg(ink.bottom())
                   .arg(room.height());
      }
    };
    for (auto* label : window_->findChildren<QLabel*>()) {
      check(*label, label->text(), label->contentsRect(), false);
    }
    for (auto* button : window_->findChildren<ui::WrappingButton*>()) {
      check(*button, button->text(), button->CaptionRect(), true);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
  }

  void usesTheSheetFont() {
    const QFont font = Field(1)->font();
    QCOMPARE(font.pointSizeF(), 8.25);
    QVERIFY(font.family() == QLatin1String(ui::SheetFont::kPreferredFamily) ||
            font.family() == QLatin1String(ui::SheetFont::kBundledFamily));
    QCOMPARE(QFontInfo(font).family(), font.family());  // really available, not substituted
    QCOMPARE(font.weight(), QFont::Normal);
    QCOMPARE(Field(5)->font().weight(), QFont::Bold);
  }

  void looksFollowThePalette() {
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::Highlight, QColor(10, 20, 30));
    scheme.setColor(QPalette::HighlightedText, QColor(200, 210, 220));
    scheme.setColor(QPalette::Base, QColor(250, 250, 240));
    scheme.setColor(QPalette::Link, QColor(0, 100, 100));
    const ScopedPalette palette(scheme);
    QCoreApplication::processEvents();

    for (const int n : {5, 9, 10, 14, 22, 32}) {
      QCOMPARE(Field(n)->palette().color(QPalette::Base), QColor(10, 20, 30));
      QCOMPARE(Field(n)->palette().color(QPalette::Text), QColor(250, 250, 240));
      QCOMPARE(Field(n)->font().weight(), QFont::Bold);
    }
    QCOMPARE(Field(40)->palette().color(QPalette::Base), QColor(0, 100, 100));
    QCOMPARE(Field(40)->palette().color(QPalette::Text), QColor(200, 210, 220));
    QCOMPARE(Field(43)->palette().color(QPalette::Base), QColor(10, 20, 30));
    QCOMPARE(Field(43)->palette().color(QPalette::Text), QColor(200, 210, 220));
    for (const char* legend : {"Label43", "Label44", "Label45"}) {
      QCOMPARE(window_->findChild<QLabel*>(legend)->palette().color(QPalette::WindowText),
               QColor(0, 100, 100));
    }
    QCOMPARE(Field(1)->palette().color(QPalette::Base), QColor(250, 250, 240));
    QCOMPARE(Field(1)->font().weight(), QFont::Normal);
  }

  void fieldsHaveAccessibleNames() {
    QCOMPARE(Field(1)->accessibleName(), QStringLiteral("Draft Forward: P"));
    QCOMPARE(Field(11)->accessibleName(), QStringLiteral("Stem Correction"));
    QCOMPARE(Field(41)->accessibleName(), QStringLiteral("Trim Correction 2"));
    QCOMPARE(Field(40)->accessibleName(), QStringLiteral("Cargo"));
    QCOMPARE(Field(43)->accessibleName(), QStringLiteral("Total trim correction"));
    for (int n = 1; n <= 44; ++n) QVERIFY(!Field(n)->accessibleName().isEmpty());
  }

  void fieldsHoldTextsBeyondALineEditsDefaultLimit() {
    const QString long_text(100000, QLatin1Char('x'));
    QApplication::clipboard()->setText(long_text);
    Field(5)->setFocus();
    QTest::keyClick(Field(5), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window_->sheet().Text(5).size(), std::size_t{100000});

    QTest::mouseClick(Button(8), Qt::LeftButton);  // copies Text5 into Text23

    QCOMPARE(Field(23)->text(), long_text);
  }

  void closingDestroysTheWindow() {
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window_.isNull());
  }
};

DRAFTSURVEY_GUI_TEST_MAIN(WorksheetWindowTest)
#include "worksheet_window_test.moc"
