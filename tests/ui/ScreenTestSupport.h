#pragma once

// What the screen tests share: a book in a temporary folder as of 15 March
// 2009 with the preselection taken as preset, and acting on the modal
// screen a button opens. The one Qt application of the test program is made
// by UiTestEnvironment.cpp.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "model/BookData.h"
#include "model/Clock.h"
#include "model/FirstBook.h"
#include "model/Preselection.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"

// Takes the items as the test sets them.
class CFixedPreselection final : public IPreselectionChoice {
 public:
  explicit CFixedPreselection(bool confirm = true) : confirm_(confirm) {}
  bool Choose(std::vector<CPreselectionItem>& items) override {
    ++asked_;
    for (CPreselectionItem& item : items)
      for (const std::string& name : extra_)
        if (item.name == name) item.checked = true;
    return confirm_;
  }
  void Tick(const std::string& name) { extra_.push_back(name); }
  int Asked() const { return asked_; }

 private:
  bool confirm_;
  int asked_ = 0;
  std::vector<std::string> extra_;
};

inline CDate March15() { return CDate::FromYmd(2009, 3, 15); }

// A started book data in a fresh folder; with makeBook the first book made
// with the preset preselection.
class CScreenBook {
 public:
  explicit CScreenBook(bool makeBook = true) {
    bookData_ = std::make_unique<CBookData>(folder_.Path().string());
    bookData_->StartUp();
    if (makeBook) {
      CFixedPreselection preset;
      CreateFirstBook(*bookData_, preset);
    }
  }

  CBookData& Book() { return *bookData_; }
  CTemporaryDirectory& Folder() { return folder_; }
  CScriptedMessages& Messages() { return messages_; }
  CFixedClock& Clock() { return clock_; }
  // Deletes the book data (the debug log closes).
  void End() { bookData_.reset(); }

 private:
  CTemporaryDirectory folder_;
  CFixedClock clock_{March15()};
  CScopedClock installedClock_{clock_};
  CScriptedMessages messages_;
  std::unique_ptr<CBookData> bookData_;
};

// Runs action on the modal screen the next call opens, once it is shown.
inline void OnNextModal(std::function<void(QWidget&)> action) {
  auto pending = std::make_shared<std::function<void(QWidget&)>>(std::move(action));
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, pending] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    (*pending)(*modal);
  });
  timer->start();
}
