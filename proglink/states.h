// The values of the link's state variables: Stop_Code, the connection state (MainForm's Tag), the
// status tag (StaticText3's Tag) and Op_Kind.
#pragma once

#include <cstdint>

namespace proglink {

// Stop_Code: Go_On lets the running loop go on; any value above it ends the loop and makes a
// pending reply wait give up.
namespace stop {
inline constexpr int32_t Go_On = 0;
inline constexpr int32_t End_Of_Range = 1;  // past the device end; compare's first conflict
inline constexpr int32_t Not_Blank = 2;     // the erase check met a byte that is not FF
inline constexpr int32_t Quit = 5;          // the Quit button, a failed block; Win_Mcu9's timer
inline constexpr int32_t Time_Out = 6;      // Win_KV9's reply timer; Reset Defaults
inline constexpr int32_t Lost = 7;          // the programmer is lost
}  // namespace stop

// The connection state.
namespace connection {
inline constexpr int None = 0;
inline constexpr int Identifying = 1;  // found, its identify command under way or unanswered
inline constexpr int Ready = 2;
}  // namespace connection

// The status tag: Good shows the status text lime, anything else red.
namespace status_tag {
inline constexpr int Good = 0;
inline constexpr int Failed = 1;    // a failed operation, a search under way or failed
inline constexpr int Mismatch = 2;  // Win_KV9's blank check and verify listed a difference
inline constexpr int Lost = 7;      // a reply wait gave up
}  // namespace status_tag

// Op_Kind, byte 1 of the operation set-up.
namespace op_kind {
inline constexpr int32_t None = 0;
inline constexpr int32_t Reading = 1;
inline constexpr int32_t Programming = 2;
}  // namespace op_kind

}  // namespace proglink
