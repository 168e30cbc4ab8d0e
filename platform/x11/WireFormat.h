#pragma once

// Window messages between programs of the suite travel as X ClientMessage events.
//
// A message, sent with XSendEvent and an empty event mask to the receiver's top-level
// window (so it reaches the program that created that window):
//   message_type  the atom "_ORVALET_WINDOW_MESSAGE"
//   format        32
//   data.l[0]     the message number (WM_USER = 1024 and up)
//   data.l[1]     wParam, cut to 32 bits
//   data.l[2]     lParam, cut to 32 bits
//   data.l[3]     the reply window: a window of the sender that waits for the answer
//   data.l[4]     the serial: a number the sender never reuses while it runs
//
// The reply, sent the same way to the reply window once the message has been handled:
//   message_type  the atom "_ORVALET_WINDOW_MESSAGE_REPLY"
//   format        32
//   data.l[0]     the serial of the message answered
//   data.l[1]     the handler's result, cut to 32 bits
//
// The sender waits for the reply with that serial for at most kReplyLimit, so a receiver
// that hangs or has died never freezes it; a late reply is ignored.
//
// WM_CLOSE is not sent this way: it is the window manager's close request (WM_PROTOCOLS
// with WM_DELETE_WINDOW), and the sender waits until the window is unmapped or destroyed,
// again for at most kReplyLimit.

#include <chrono>

namespace platform::x11::wire {

inline constexpr char kMessageAtom[] = "_ORVALET_WINDOW_MESSAGE";
inline constexpr char kReplyAtom[] = "_ORVALET_WINDOW_MESSAGE_REPLY";

enum MessageSlot { kMessage = 0, kWParam = 1, kLParam = 2, kReplyWindow = 3, kSerial = 4 };
enum ReplySlot { kRepliedSerial = 0, kResult = 1 };

inline constexpr std::chrono::milliseconds kReplyLimit{3000};

}  // namespace platform::x11::wire
