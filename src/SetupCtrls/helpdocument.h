#pragma once
// The texts the setup supporter shows: the instructions document (rich
// text), the technical-support text and the title line.
#include <QString>

struct THelpDocumentOptions {
  QString CompanyName;
  QString CardName;
  bool Series = true;       // " Series" after the card name in the title
  bool MultiPort = false;   // the note on repeating the setup per option group
  bool ListsCards = false;  // the sentence on the installed-cards menu item
};

// The instructions window's document as rich text in code page 1252.
QString HelpDocument(const THelpDocumentOptions& options);

// The technical-support window's text: two paragraphs parted by an empty
// line, with the company named twice and `callHow` completing the sentence
// "You can call us ... for any of your product questions."
QString SupportText(const QString& companyName, const QString& callHow);

// The title line above the board: "<card>[ Series] Settings Program", or
// "No <card>[ Series Card] Found" when no installed card was found.
QString HeaderCaption(const QString& cardName, bool series, bool found);

// The caption of the buttons that start: the instructions window's and a
// stopped calibration panel's.
extern const QString kStartCaption;

// The installed-cards menu item's and window's captions.
QString CardListMenuCaption(const QString& cardName);
QString CardListWindowCaption(const QString& cardName);
