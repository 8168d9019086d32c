#pragma once
// The suites run under the program's own application object, so that the
// idle event and the standard error report behave as in the program.
#include <QTest>
#include <vector>

#include "platform/application.h"
#include "platform/messagebox.h"

#define PX_TEST_MAIN(TestClass)              \
  int main(int argc, char** argv) {          \
    TApplication app(argc, argv);            \
    app.setAttribute(Qt::AA_Use96Dpi, true); \
    TestClass test;                          \
    return QTest::qExec(&test, argc, argv);  \
  }

// Answers every message box with `answer` and keeps what was asked.
class TBoxRecorder {
 public:
  explicit TBoxRecorder(int answer = mb::IDOK)
      : answer_(answer), scope_([this](const TMessageBoxRequest& r) {
          Boxes.push_back(r);
          return Answer ? Answer(r) : answer_;
        }) {}

  std::vector<TMessageBoxRequest> Boxes;
  // When set, decides each answer instead of the fixed one.
  std::function<int(const TMessageBoxRequest&)> Answer;

 private:
  int answer_;
  TMessageBoxResponderScope scope_;
};
