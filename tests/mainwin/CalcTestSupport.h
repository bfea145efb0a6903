// Driving the main window as a user would: clicks on tabs and buttons,
// keys typed into the value boxes, a thumb dragged with the mouse. Every
// message is recorded instead of shown.
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextStream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MainwinTestSupport.h"
#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "platform/Messages.h"

namespace mainwin_test {

// One row of the reviewed table of case rows (golden_rows.txt).
struct GoldenRow {
  int code = 0;
  int row = 0;
  bool input = false;
  QString key;  // "" for an empty row
  int picture = -1;
  int kind = -1;
  QString caption;
};

// The 54 x 15 rows, by code.
inline std::map<int, std::vector<GoldenRow>> ReadGoldenRows() {
  std::map<int, std::vector<GoldenRow>> table;
  QFile f(SourceRoot() + "/tests/mainwin/golden_rows.txt");
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
  QTextStream in(&f);
  in.setEncoding(QStringConverter::Utf8);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    const QStringList p = line.split(' ', Qt::SkipEmptyParts);
    if (p.size() < 7) continue;
    GoldenRow g;
    g.code = p[0].toInt();
    g.row = p[1].toInt();
    g.input = p[2] == "in";
    if (p[3] != "-") {
      g.key = p[3];
      g.picture = p[4].toInt();
      g.kind = p[5].toInt();
      g.caption = p.mid(6).join(' ');
    }
    table[g.code].push_back(g);
  }
  return table;
}

// The 54 case codes in list order.
inline std::vector<int> AllCodes() {
  std::vector<int> codes;
  for (int c = 100; c <= 120; ++c) codes.push_back(c);
  for (int c = 200; c <= 210; ++c) codes.push_back(c);
  for (int c = 300; c <= 308; ++c) codes.push_back(c);
  for (int c = 400; c <= 408; ++c) codes.push_back(c);
  for (int c = 500; c <= 503; ++c) codes.push_back(c);
  return codes;
}

using qt_test::Centre;
using qt_test::Click;
using qt_test::ClickOption;
using qt_test::DoubleClick;
using qt_test::Key;
using qt_test::SendMouse;
using qt_test::SendMouseAt;
using qt_test::TypeText;

// A main window on screen with a recorder for its messages.
class CalcTest : public MainwinTest {
 protected:
  void SetUp() override {
    MainwinTest::SetUp();
    form_ = std::make_unique<FormMain>();
    form_->show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    form_.reset();
    MainwinTest::TearDown();
  }

  FormMain& F() { return *form_; }
  int Tab() const { return Vigas::TipoViga; }
  int Index(int row, int tab = 0) const { return ((tab ? tab : Tab()) - 1) * 15 + row; }
  platform::TextBox* Box(int row, int tab = 0) { return form_->Text1[Index(row, tab)]; }
  QString Text(int row, int tab = 0) { return Box(row, tab)->Text(); }
  bool Shown(int row, int tab = 0) { return Box(row, tab)->Visible(); }

  void ChooseTab(int t) { Click(form_->LblMENU[t]); }
  // The tab of the code, then the code's row of its case list.
  void ChooseCase(int code) {
    ChooseTab(code / 100);
    form_->List1[code / 100]->setCurrentRow(code % 100);
  }
  // Types into a box the way a user replaces its text.
  void Enter(int row, const QString& text) {
    platform::TextBox* b = Box(row);
    b->selectAll();
    if (text.isEmpty())
      Key(b, Qt::Key_Backspace, QString(QChar(8)));
    else
      TypeText(b, text);
  }
  void Calculate() { Click(form_->LblCAL[Tab()]); }
  bool GraphAndReportOn(int t = 0) {
    t = t ? t : Tab();
    return form_->LblGRA[t]->Enabled() && form_->LblINF[t]->Enabled();
  }
  // The row whose box names the key, -1 for none.
  int RowOf(const QString& key) {
    for (int r = 0; r < 15; ++r)
      if (Box(r)->Tag == key) return r;
    return -1;
  }
  // Fills every input row of the chosen case from the values by key.
  void FillInputs(const std::map<QString, QString>& values) {
    for (int r = 0; r < form_->Model().InputRows(Tab()); ++r) {
      auto it = values.find(Box(r)->Tag);
      if (Shown(r) && it != values.end()) Enter(r, it->second);
    }
  }

  // Chooses the case, fills its inputs with values that suit every case and
  // calculates; true when Graph and Report came on.
  bool CalculateTypicalCase(int code) {
    static const std::map<QString, QString> values = {
        {"EI", "21000"}, {"L", "6"},   {"X", "2.5"},  {"W0", "12"},  {"P", "40"},  {"M0", "30"},
        {"a", "2"},      {"b", "2.5"}, {"#a", "1.5"}, {"#c", "1.5"}, {"W1", "12"}, {"W2", "7"},
        {"P1", "40"},    {"P2", "25"}, {"M1", "30"},  {"M2", "-20"}, {"c", "1.5"}};
    ChooseCase(code);
    FillInputs(values);
    Calculate();
    QCoreApplication::processEvents();
    return GraphAndReportOn();
  }

  // Drags the thumb of the current tab by dx screen pixels, in `steps` moves.
  void DragThumb(double dx, int steps = 1) {
    platform::ImageControl* thumb = form_->ImgSLD[Tab()];
    const QPointF start = thumb->mapToGlobal(Centre(thumb));
    SendMouseAt(thumb, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
      SendMouseAt(thumb, QEvent::MouseMove, start + QPointF(dx * i / steps, 0), Qt::NoButton,
                  Qt::LeftButton);
    SendMouseAt(thumb, QEvent::MouseButtonRelease, start + QPointF(dx, 0), Qt::LeftButton,
                Qt::NoButton);
  }

  std::unique_ptr<FormMain> form_;
  platform::RecordingMessageSink messages_;
};

}  // namespace mainwin_test
