#include "helpdocument.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The document's header: one font (Verdana) and four colours, dark grey for
// the text, then yellow, blue and red for the three kinds of circle; the
// title is 16 points and bold.
const QString kHeader = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 "
    "Verdana;}}{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
    "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0");
const QString kTitleOpen = QStringLiteral("{\\b ");
const QString kSeries = QStringLiteral(" Series");
// Closes the title and switches to the 12-point body.
const QString kTitleClose = QStringLiteral(" Settings Program}\\par\\par\\fs24");

const QString kIntroduction = QStringLiteral(
    "This program will help you configure the option jumpers and settings associated with this product. "
    "You should have the product in-hand when first using this program.\\par\\par");
const QString kYellow = QStringLiteral(
    "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par");
const QString kBlue = QStringLiteral(
    "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
    "features of the product family.\\par\\par");
const QString kRed = QStringLiteral(
    "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
    "controlling the hardware device. Run this settings program again once the card is installed. ");
const QString kRepeat = QStringLiteral(
    "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
    "{\\cf3 calibration circles}.\\par\\par");
const QString kMouseOver = QStringLiteral(
    "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
    "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain "
    "on-screen. ");
const QString kManyPopups = QStringLiteral(
    "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par");
const QString kMultiPortNote = QStringLiteral(
    "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
    "options "
    "for each port are handled identically; ");
const QString kMultiPortNoteEnd = QStringLiteral(
    "this program only shows the setup once, but you need to perform this setup for each group of options on "
    "your device.\\par\\par");
const QString kCardListStart = QStringLiteral("To see a list of ");
const QString kCardListMiddle = QStringLiteral(" cards installed, click ");
const QString kCardListEnd = QStringLiteral(" under the File menu.\\par\\par");
const QString kDocumentEnd = QStringLiteral("}");

const QString kSupportStart = QStringLiteral(
    "There are several ways to get technical support. First and fastest is to skim the relevant sections of "
    "the manual. However, some questions require personal assistance, and ");
const QString kSupportReady = QStringLiteral(" stands ready to provide that help. You can call us ");
const QString kSupportQuestions = QStringLiteral(" for any of your product questions.");
const QString kSupportSecond = QStringLiteral(
    "In order to provide the best and fastest support possible, we ask that you be at your computer when you "
    "call, and have the ");
const QString kSupportEnd = QStringLiteral(" product manual and Software Master CD at hand.");

const QString kSettingsProgram = QStringLiteral(" Settings Program");
const QString kNo = QStringLiteral("No ");
const QString kSeriesCard = QStringLiteral(" Series Card");
const QString kFound = QStringLiteral(" Found");
const QString kDisplay = QStringLiteral("Display ");
const QString kCardsInstalledMenu = QStringLiteral(" Cards Installed");
const QString kCardsInstalledWindow = QStringLiteral(" Cards installed");

}  // namespace

const QString kStartCaption = QStringLiteral("Start");

QString HelpDocument(const THelpDocumentOptions& o) {
  QString doc;
  doc += kHeader + kCrLf + kTitleOpen;
  doc += o.CompanyName + QLatin1Char(' ') + o.CardName;
  if (o.Series) doc += kSeries;
  doc += kTitleClose + kCrLf;
  doc += kIntroduction + kCrLf;
  doc += kYellow + kCrLf;
  doc += kBlue + kCrLf;
  doc += kRed;
  doc += kRepeat + kCrLf;
  doc += kMouseOver;
  doc += kManyPopups + kCrLf;
  if (o.MultiPort) doc += kMultiPortNote + kMultiPortNoteEnd + kCrLf;
  if (o.ListsCards) {
    doc += kCardListStart + o.CardName + kCardListMiddle + QLatin1Char('"') +
           CardListMenuCaption(o.CardName) + QLatin1Char('"') + kCardListEnd + kCrLf;
  }
  doc += kDocumentEnd;
  return doc;
}

QString SupportText(const QString& companyName, const QString& callHow) {
  return kSupportStart + companyName + kSupportReady + callHow + kSupportQuestions + kCrLf + kCrLf +
         kSupportSecond + companyName + kSupportEnd;
}

QString HeaderCaption(const QString& cardName, bool series, bool found) {
  if (found) return cardName + (series ? kSeries : QString()) + kSettingsProgram;
  return kNo + cardName + (series ? kSeriesCard : QString()) + kFound;
}

QString CardListMenuCaption(const QString& cardName) {
  return kDisplay + cardName + kCardsInstalledMenu;
}

QString CardListWindowCaption(const QString& cardName) {
  return cardName + kCardsInstalledWindow;
}
