#pragma once
// The root of everything that has a message map.

#include "framework/message_map.h"

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  // Runs the handler of a command or notification; false when there is none.
  virtual BOOL OnCmdMsg(int id, UINT code);

  virtual const MessageMap& GetMessageMap() const { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();
};
