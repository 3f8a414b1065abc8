#pragma once

// A process-wide slot holding one implementation of an interface, for the few
// services the whole core reaches without a parameter: the message sink and
// the clock. The program installs its real implementation at start; a test
// installs its scripted one for the duration of the test.
//
// The slot never owns what it holds. Whoever installs keeps the object alive
// while it is installed; CScopedInstall does both in one place.
// User-interface thread only.

#include <utility>

template <class Interface>
class CProcessWide {
 public:
  // The installed implementation, or nullptr when none is.
  static Interface* Installed() { return Slot(); }

  // Installs implementation (may be nullptr) and returns the one it replaces.
  static Interface* Install(Interface* implementation) { return std::exchange(Slot(), implementation); }

 private:
  static Interface*& Slot() {
    static Interface* installed = nullptr;
    return installed;
  }
};

// Installs an implementation for its own lifetime and puts the previous one
// back afterwards. REQUIRES: implementation outlives this object.
template <class Interface>
class CScopedInstall {
 public:
  explicit CScopedInstall(Interface& implementation)
      : previous_(CProcessWide<Interface>::Install(&implementation)) {}
  ~CScopedInstall() { CProcessWide<Interface>::Install(previous_); }

  CScopedInstall(const CScopedInstall&) = delete;
  CScopedInstall& operator=(const CScopedInstall&) = delete;

 private:
  Interface* previous_;
};
