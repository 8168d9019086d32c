#include "hardware.h"

#include <grp.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define PX_HAVE_PORT_IO 1
#endif

namespace {

constexpr std::uint32_t kOpenBus = 0xFF;

#ifdef PX_HAVE_PORT_IO
class THardwareBackend : public TPortBackend {
 public:
  std::uint32_t In(std::uint16_t port) override {
    if (!Granted(port)) return kOpenBus;
    return inb(port);
  }
  void Out(std::uint16_t port, std::uint8_t value) override {
    if (Granted(port)) outb(value, port);
  }

 private:
  static bool Granted(std::uint16_t port) { return kSpeakerPort.Contains(port) || kCardPorts.Contains(port); }
};

bool RequestPorts() {
  for (const TPortRange& r : {kSpeakerPort, kCardPorts})
    if (ioperm(r.first, r.count, 1) != 0) {
      for (const TPortRange& undo : {kSpeakerPort, kCardPorts}) ioperm(undo.first, undo.count, 0);
      return false;
    }
  return true;
}
#endif

bool IdFromEnvironment(const char* name, unsigned long& id) {
  const char* text = std::getenv(name);
  if (!text || !*text) return false;
  char* end = nullptr;
  id = std::strtoul(text, &end, 10);
  return end && *end == '\0';
}

}  // namespace

std::unique_ptr<TPortBackend> MakeHardwareBackend() {
#ifdef PX_HAVE_PORT_IO
  return std::make_unique<THardwareBackend>();
#else
  return nullptr;
#endif
}

bool DropPrivileges() {
  bool ok = true;
  unsigned long uid = 0, gid = 0;
  if (getuid() == 0 && IdFromEnvironment("SUDO_UID", uid) && IdFromEnvironment("SUDO_GID", gid) && uid != 0) {
    ok = setgroups(0, nullptr) == 0 && setresgid(gid_t(gid), gid_t(gid), gid_t(gid)) == 0 &&
         setresuid(uid_t(uid), uid_t(uid), uid_t(uid)) == 0;
  }
  // Clear ambient, effective, permitted and inheritable capabilities, and
  // never gain new ones through exec.
  prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
  ok = syscall(SYS_capset, &header, data) == 0 && ok;
  ok = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ok;
  return ok;
}

bool AcquireHardwarePortAccess() {
  bool granted = false;
#ifdef PX_HAVE_PORT_IO
  granted = RequestPorts();
  if (granted) SetPortBackend(MakeHardwareBackend());
#endif
  if (!DropPrivileges()) {
    std::fputs("px407-setup: could not give up privileges; not starting.\n", stderr);
    std::exit(1);
  }
  return granted;
}
