#pragma once
// Installs a port backend for the lifetime of the scope object and puts the
// previous one back when it ends, so a test can run against its own backend
// without leaving it behind:
//
//   TPortBackendScope<TRecordingBackend> ports;
//   ports->ScriptReads(0x202, {0x00});
#include <memory>
#include <utility>

#include "portio.h"

template <class TBackend>
class TPortBackendScope {
 public:
  template <class... TArgs>
  explicit TPortBackendScope(TArgs&&... args)
      : TPortBackendScope(std::make_unique<TBackend>(std::forward<TArgs>(args)...)) {}
  explicit TPortBackendScope(std::unique_ptr<TBackend> backend) : backend_(backend.get()) {
    previous_ = SetPortBackend(std::move(backend));
  }
  ~TPortBackendScope() { SetPortBackend(std::move(previous_)); }

  TPortBackendScope(const TPortBackendScope&) = delete;
  TPortBackendScope& operator=(const TPortBackendScope&) = delete;

  TBackend& Backend() const { return *backend_; }
  TBackend* operator->() const { return backend_; }
  TBackend& operator*() const { return *backend_; }

 private:
  TBackend* backend_;
  std::unique_ptr<TPortBackend> previous_;
};
