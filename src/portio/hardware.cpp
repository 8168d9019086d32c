#include "hardware.h"

#include <grp.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define PX_HAVE_IOPERM 1
#endif

namespace {

bool RequestPorts() {
#ifdef PX_HAVE_IOPERM
  for (const TPortRange& range : kGrantedPorts)
    if (ioperm(range.first, range.count, 1) != 0) {
      for (const TPortRange& undo : kGrantedPorts) ioperm(undo.first, undo.count, 0);
      return false;
    }
  return true;
#else
  return false;
#endif
}

// A user or group id from the environment: plain decimal digits only, and
// never the value -1, which the id calls read as "leave unchanged".
template <class TId>
bool IdFromEnvironment(const char* name, TId& id) {
  const char* text = std::getenv(name);
  if (!text || *text < '0' || *text > '9') return false;
  errno = 0;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0') return false;
  if (value >= std::numeric_limits<TId>::max()) return false;
  id = TId(value);
  return true;
}

}  // namespace

std::unique_ptr<TPortBackend> MakeHardwareBackend() {
  if (!HaveProcessorPortIo()) return nullptr;
  return std::make_unique<THardwareBackend>(ProcessorPortIo());
}

bool DropPrivileges() {
  bool ok = true;
  uid_t uid = getuid();
  gid_t gid = getgid();
  bool fromSudo = false;
  if (uid == 0) {
    uid_t sudoUid = 0;
    gid_t sudoGid = 0;
    fromSudo =
        IdFromEnvironment("SUDO_UID", sudoUid) && IdFromEnvironment("SUDO_GID", sudoGid) && sudoUid != 0;
    if (fromSudo) {
      uid = sudoUid;
      gid = sudoGid;
    }
  }
  if (fromSudo || geteuid() != uid || getegid() != gid) {
    // Root's supplementary groups go with root's identity; the invoking
    // user gets back their own (or none, when the account is unknown).
    if (fromSudo) {
      const passwd* account = getpwuid(uid);
      ok = account ? initgroups(account->pw_name, gid) == 0 : setgroups(0, nullptr) == 0;
    }
    ok = ok && setresgid(gid, gid, gid) == 0 && setresuid(uid, uid, uid) == 0;
    // Once the ids are an ordinary user's, root's must be out of reach.
    if (ok && uid != 0 && setuid(0) == 0) ok = false;
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
  const bool granted = RequestPorts();
  if (granted) SetPortBackend(MakeHardwareBackend());
  if (!DropPrivileges()) {
    std::fputs("px407-setup: could not give up privileges; not starting.\n", stderr);
    std::exit(1);
  }
  return granted;
}
