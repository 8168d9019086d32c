// Renders every drawing in every orientation and state, on a radio panel
// and off it, into one labelled picture to look at.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <cstdio>

#include "SetupCtrls/baseaddress.h"
#include "SetupCtrls/radiopanel.h"
#include "SetupCtrls/threejumper.h"
#include "SetupCtrls/twojumper.h"
#include "platform/fonts.h"

namespace {

constexpr int kMargin = 10;
constexpr int kRowLabelWidth = 230;
constexpr int kTitleHeight = 22;
constexpr int kHeaderHeight = 16;
constexpr int kScale = 2;
constexpr int kJumperColumn = 110;
constexpr int kSwitchColumn = 120;
constexpr int kColumns = 4;
// A panel colour unlike the button face, so the jumpers' background shows.
constexpr TColor kPanelColor = 0x00E0C090;

const TOrientationType kOrientations[] = {otUp, otDown, otLeft, otRight};
const char* const kOrientationNames[] = {"otUp", "otDown", "otLeft", "otRight"};

QString StateName(TJumperState s) {
  switch (s) {
    case jsOpen:
      return QStringLiteral("jsOpen");
    case jsLeft:
      return QStringLiteral("jsLeft");
    case jsRight:
      break;
  }
  return QStringLiteral("jsRight");
}

// Lays out labelled rows of drawings, one column per orientation.
class Sheet {
 public:
  explicit Sheet(QWidget* page) : page_(page) {}

  void Title(const QString& text) {
    y_ += kMargin;
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(text), page_);
    title->move(kMargin, y_);
    title->adjustSize();
    y_ += kTitleHeight;
  }

  void Header(int column) {
    columnWidth_ = column;
    for (int c = 0; c < kColumns; ++c) {
      auto* label = new QLabel(QString::fromLatin1(kOrientationNames[c]), page_);
      label->move(kMargin + kRowLabelWidth + c * column, y_);
      label->adjustSize();
    }
    y_ += kHeaderHeight;
  }

  // The row's area for its drawings, `height` high, on `parent` (the page
  // or a panel placed on it).
  int Row(const QString& text, int height) {
    auto* label = new QLabel(text, page_);
    label->move(kMargin, y_ + height / 2 - kHeaderHeight / 2);
    label->adjustSize();
    const int top = y_;
    y_ += height + kMargin;
    return top;
  }

  int CellX(int column) const { return kMargin + kRowLabelWidth + column * columnWidth_; }
  int Bottom() const { return y_; }

 private:
  QWidget* page_;
  int y_ = 0;
  int columnWidth_ = 0;
};

template <typename Control>
Control* Place(QWidget* parent, QSize upright, TOrientationType o, QPoint at) {
  auto* c = new Control(parent);
  // As a form description gives it: the size for the orientation, then the
  // orientation.
  c->resize(IsSideways(o) ? upright.transposed() : upright);
  c->setOrientation(o);
  c->move(at);
  return c;
}

void TwoPinRows(Sheet& sheet, QWidget* page, const QString& where, QWidget* panel) {
  const QSize size(TTwoJumper::kDefaultWidth, TTwoJumper::kDefaultHeight);
  for (int style = 0; style < 2; ++style)
    for (int closed = 0; closed < 2; ++closed) {
      const QString text = QStringLiteral("%1, %2, %3")
                               .arg(closed ? QStringLiteral("closed") : QStringLiteral("open"),
                                    style ? QStringLiteral("bsNone") : QStringLiteral("bsSingle"), where);
      const int top = sheet.Row(text, size.width());
      for (int c = 0; c < kColumns; ++c) {
        QWidget* parent = panel ? panel : page;
        const QPoint at = QPoint(sheet.CellX(c), top) - (panel ? panel->pos() : QPoint());
        auto* j = Place<TTwoJumper>(parent, size, kOrientations[c], at);
        j->setClosed(closed);
        j->setBorderStyle(style ? bsNone : bsSingle);
      }
    }
}

void ThreePinRows(Sheet& sheet, QWidget* page, const QString& where, QWidget* panel) {
  const QSize size(TThreeJumper::kDefaultWidth, TThreeJumper::kDefaultHeight);
  for (TJumperState s : {jsOpen, jsLeft, jsRight}) {
    const int top = sheet.Row(QStringLiteral("%1, %2").arg(StateName(s), where), size.width());
    for (int c = 0; c < kColumns; ++c) {
      QWidget* parent = panel ? panel : page;
      const QPoint at = QPoint(sheet.CellX(c), top) - (panel ? panel->pos() : QPoint());
      Place<TThreeJumper>(parent, size, kOrientations[c], at)->setJumperState(s);
    }
  }
}

TRadioPanel* PanelOver(QWidget* page, int top, int rows, int rowHeight) {
  auto* panel = new TRadioPanel(page);
  panel->setColor(kPanelColor);
  panel->setGeometry(kMargin + kRowLabelWidth - kMargin / 2, top - kMargin / 2, kColumns * kJumperColumn,
                     rows * (rowHeight + kMargin));
  panel->show();
  return panel;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PX_GALLERY_PATH);

  QWidget page;
  page.setAutoFillBackground(true);
  Sheet sheet(&page);

  sheet.Title(QStringLiteral("TTwoJumper (34 x 18 lying, 18 x 34 sideways)"));
  sheet.Header(kJumperColumn);
  TwoPinRows(sheet, &page, QStringLiteral("button face"), nullptr);
  // The panel goes under rows still to come; jumpers are placed on it.
  const int twoOnPanelTop = sheet.Bottom();
  TRadioPanel* twoPanel = PanelOver(&page, twoOnPanelTop, 4, TTwoJumper::kDefaultWidth);
  TwoPinRows(sheet, &page, QStringLiteral("on TRadioPanel"), twoPanel);

  sheet.Title(QStringLiteral("TThreeJumper (43 x 18 lying, 18 x 43 sideways)"));
  sheet.Header(kJumperColumn);
  ThreePinRows(sheet, &page, QStringLiteral("button face"), nullptr);
  TRadioPanel* threePanel = PanelOver(&page, sheet.Bottom(), 3, TThreeJumper::kDefaultWidth);
  ThreePinRows(sheet, &page, QStringLiteral("on TRadioPanel"), threePanel);
  {
    const int top = sheet.Row(QStringLiteral("bsNone, jsLeft / jsRight"), TThreeJumper::kDefaultWidth);
    for (int c = 0; c < kColumns; ++c) {
      auto* j = Place<TThreeJumper>(&page, {TThreeJumper::kDefaultWidth, TThreeJumper::kDefaultHeight},
                                    kOrientations[c], {sheet.CellX(c), top});
      j->setBorderStyle(bsNone);
      j->setJumperState(c % 2 ? jsRight : jsLeft);
    }
  }

  sheet.Title(QStringLiteral("TBaseAddress (102 x 61), BaseAddressStr \"200\""));
  sheet.Header(kSwitchColumn);
  const QSize switchSize(TBaseAddress::kDefaultWidth, TBaseAddress::kDefaultHeight);
  struct Variant {
    const char* name;
    bool onIsOne, leftToRight;
    int switches;
  };
  const Variant variants[] = {{"7 switches", false, false, 7},
                              {"OnIsOne", true, false, 7},
                              {"LeftToRight", false, true, 7},
                              {"10 switches", false, false, 10}};
  for (const Variant& v : variants) {
    const int top = sheet.Row(QString::fromLatin1(v.name), switchSize.width());
    for (int c = 0; c < kColumns; ++c) {
      auto* b = Place<TBaseAddress>(&page, switchSize, kOrientations[c], {sheet.CellX(c), top});
      b->setOnIsOne(v.onIsOne);
      b->setLeftToRight(v.leftToRight);
      b->setNumSwitches(std::uint8_t(v.switches));
      b->setBaseAddressStr(QStringLiteral("200"));
    }
  }

  page.resize(kMargin + kRowLabelWidth + kColumns * kSwitchColumn + kMargin, sheet.Bottom() + kMargin);
  const QImage shot = page.grab().toImage();
  const QImage scaled = shot.scaled(shot.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (!scaled.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return 1;
  }
  std::printf("gallery: %s\n", qPrintable(path));
  return 0;
}
