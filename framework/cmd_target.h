#pragma once
// The root of everything that has a message map: windows and the
// application object.
//
// A subclass that handles messages overrides GetMessageMap() to return its
// own GetThisMessageMap(), whose table chains to its base class's (see
// message_map.h). It overrides nothing else here.

#include "framework/message_map.h"

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  virtual const MessageMap& GetMessageMap() const { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  // The framework's own routing of a command or notification to its handler
  // (FALSE when there is none); program classes leave it alone.
  virtual BOOL OnCmdMsg(int id, UINT code);

 private:
  friend struct FrameworkAccess;
};
