#pragma once
// A main window as the supporter expects one: a client area for the board
// and a main menu whose first item is "&File".
#include <QMainWindow>
#include <memory>

#include "SetupCtrls/setupsupporter.h"
#include "platform/menu.h"

struct TMainWindowFixture {
  TMainWindowFixture() {
    window = std::make_unique<QMainWindow>();
    client = new QWidget(window.get());
    window->setCentralWidget(client);
    menu = new TMainMenu(window.get());
    window->setMenuBar(menu);
    file = new TMenuItem(window.get());
    file->SetCaption("&File");
    exit = new TMenuItem(window.get());
    exit->SetCaption("&Exit");
    menu->Add(file);
    file->Add(exit);
    window->setGeometry(100, 50, 823, 600);
    supporter = new TSetupSupporter(window.get());
    supporter->setCompanyName("ORVANE");
    supporter->setCardNameA("PX-407");
    supporter->setCardNameB("PX-407B");
    supporter->setCallHow("at 555-0100");
    supporter->ScreenSizeSource = [] { return QSize(1024, 768); };
  }

  std::unique_ptr<QMainWindow> window;
  QWidget* client = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem* file = nullptr;
  TMenuItem* exit = nullptr;
  TSetupSupporter* supporter = nullptr;
};
