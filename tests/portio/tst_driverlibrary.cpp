// Binding the driver library. The binding is process-wide and a bound
// library stays bound, so the cases run in order, each from the state the
// one before left: nothing found, an incomplete library, then the full
// library through the library search, then a second call.
#include <dlfcn.h>
#include <QtTest>

#include "portio/driverlibrary.h"

namespace {

// Counters of a fixture library already loaded; -1 when it is not loaded.
int FixtureCounter(const char* file, const char* counter) {
  void* library = dlopen(file, RTLD_NOW | RTLD_NOLOAD);
  if (!library) return -1;
  auto read = reinterpret_cast<int (*)()>(dlsym(library, counter));
  const int value = read ? read() : -1;
  dlclose(library);
  return value;
}

bool IsLoaded(const char* file) {
  void* library = dlopen(file, RTLD_NOW | RTLD_NOLOAD);
  if (library) dlclose(library);
  return library != nullptr;
}

}  // namespace

class TDriverLibraryTest : public QObject {
  Q_OBJECT

 private slots:
  void missingLibraryLeavesNothingBound();
  void incompleteLibraryIsNeverCalled();
  void retryBindsTheFullLibraryBySearch();
  void secondCallDoesNotLoadAgain();
};

void TDriverLibraryTest::missingLibraryLeavesNothingBound() {
  QCOMPARE(DriverLibraryFileName(), std::string(kDriverLibraryFileName));
  SetDriverLibraryFileName(PX_FIXTURE_MISSING);
  LoadDriverLibrary();
  QVERIFY(!DriverLibraryLoaded());
  QCOMPARE(ResolvedDriverEntryPoints(), 0);
  QCOMPARE(DriverCardCount(), 0);
}

void TDriverLibraryTest::incompleteLibraryIsNeverCalled() {
  SetDriverLibraryFileName(PX_FIXTURE_INCOMPLETE);
  for (int attempt = 0; attempt < 2; ++attempt) {
    LoadDriverLibrary();
    QVERIFY(!DriverLibraryLoaded());
    QCOMPARE(ResolvedDriverEntryPoints(), 0);
    QVERIFY(DriverEntry::GetNumCards == nullptr);
    QCOMPARE(DriverCardCount(), 0);
  }
  // Opened, and left loaded, but not one entry point called.
  QVERIFY(IsLoaded(PX_FIXTURE_INCOMPLETE));
  QCOMPARE(FixtureCounter(PX_FIXTURE_INCOMPLETE, "FixtureEntryPointCalls"), 0);
}

void TDriverLibraryTest::retryBindsTheFullLibraryBySearch() {
  SetDriverLibraryFileName(kDriverLibraryFileName);
  QVERIFY(!IsLoaded(kDriverLibraryFileName));
  LoadDriverLibrary();
  QVERIFY(DriverLibraryLoaded());
  QCOMPARE(ResolvedDriverEntryPoints(), kDriverEntryPointCount);
  QCOMPARE(FixtureCounter(kDriverLibraryFileName, "FixtureEntryPointCalls"), 0);

  void* library = dlopen(kDriverLibraryFileName, RTLD_NOW | RTLD_NOLOAD);
  QVERIFY(library);
  QCOMPARE(reinterpret_cast<void*>(DriverEntry::GetNumCards), dlsym(library, "GetNumCards"));
  QCOMPARE(reinterpret_cast<void*>(DriverEntry::WatchdogKick), dlsym(library, "WatchdogKick"));
  QCOMPARE(reinterpret_cast<void*>(DriverEntry::WriteCardBytes), dlsym(library, "WriteCardBytes"));
  dlclose(library);

  QCOMPARE(DriverCardCount(), 2);
  QCOMPARE(FixtureCounter(kDriverLibraryFileName, "FixtureNumCardsCalls"), 1);
  QCOMPARE(FixtureCounter(kDriverLibraryFileName, "FixtureEntryPointCalls"), 1);
}

void TDriverLibraryTest::secondCallDoesNotLoadAgain() {
  QVERIFY(DriverLibraryLoaded());
  SetDriverLibraryFileName(PX_FIXTURE_COPY);
  LoadDriverLibrary();
  QVERIFY(DriverLibraryLoaded());
  QVERIFY(!IsLoaded(PX_FIXTURE_COPY));
  QCOMPARE(DriverCardCount(), 2);
  QCOMPARE(FixtureCounter(kDriverLibraryFileName, "FixtureNumCardsCalls"), 2);
}

QTEST_APPLESS_MAIN(TDriverLibraryTest)
#include "tst_driverlibrary.moc"
