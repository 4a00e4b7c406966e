// The libftdi1 backend on an emulated FT245R, through the installed libftdi1: framing, purges,
// the latency timer, the number of transfers a reply costs, faults, other devices and the
// survey of what cannot be opened.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <libusb-1.0/libusb.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "usblink/ftd2xx_libftdi.h"
#include "usblink/testing/emulated_usb.h"

namespace {

using usbemu::Usb_Event;

// Answers each write with what `answer` gives for it.
class Script_Peer : public usbemu::Fifo_Peer {
 public:
  std::function<std::vector<uint8_t>(const std::vector<uint8_t>&)> answer;

  size_t From_Host(const uint8_t* data, size_t n) override {
    if (answer) {
      std::vector<uint8_t> reply = answer({data, data + n});
      pending_.insert(pending_.end(), reply.begin(), reply.end());
    }
    return n;
  }
  size_t Pending() const override { return pending_.size(); }
  size_t Take(uint8_t* out, size_t n) override {
    n = std::min(n, pending_.size());
    std::copy_n(pending_.begin(), n, out);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(n));
    return n;
  }
  void Drop_Pending() override { pending_.clear(); }

 private:
  std::deque<uint8_t> pending_;
};

std::vector<uint8_t> Pattern(size_t n, uint8_t seed) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 13 + seed + (i >> 6));
  return v;
}

class EmulatedChipTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (h) FT_Close(h);
  }

  usbemu::Emulated_Chip& Plug(usbemu::Chip_Config c = {}) {
    if (!c.peer) c.peer = &peer;
    return usb.Plug(c);
  }
  FT_STATUS Open(const char* serial = "FTKV9USB") {
    std::string s = serial;
    FT_STATUS status = FT_OpenEx(s.data(), FT_OPEN_BY_SERIAL_NUMBER, &h);
    if (status == FT_OK) FT_SetTimeouts(h, 10000, 100);
    return status;
  }
  // One exchange as the programmer link makes it: purge, write, poll the queue, read `n`.
  std::vector<uint8_t> Exchange(std::vector<uint8_t> packet, size_t n) {
    EXPECT_EQ(FT_Purge(h, FT_PURGE_RX), FT_OK);
    DWORD done = 0, queued = 0;
    EXPECT_EQ(FT_Write(h, packet.data(), static_cast<DWORD>(packet.size()), &done), FT_OK);
    EXPECT_EQ(FT_GetQueueStatus(h, &queued), FT_OK);
    EXPECT_GT(queued, 0u);
    std::vector<uint8_t> got(n);
    EXPECT_EQ(FT_Read(h, got.data(), static_cast<DWORD>(n), &done), FT_OK);
    got.resize(done);
    return got;
  }
  static size_t Count(const usbemu::Emulated_Chip& c, Usb_Event::Kind kind, int request = -1,
                      int value = -1) {
    return static_cast<size_t>(std::count_if(c.log.begin(), c.log.end(), [&](const Usb_Event& e) {
      return e.kind == kind && (request < 0 || e.request == request) &&
             (value < 0 || e.value == value);
    }));
  }

  usbemu::Emulated_Usb usb;
  Script_Peer peer;
  FT_HANDLE h = nullptr;
};

TEST_F(EmulatedChipTest, RepliesOfEveryLengthArriveWithoutTheStatusBytes) {
  Plug();
  ASSERT_EQ(Open(), FT_OK);
  for (size_t n : {1, 8, 61, 62, 63, 124, 2056, 3968, 4000, 8200}) {
    std::vector<uint8_t> want = Pattern(n, static_cast<uint8_t>(n));
    peer.answer = [&](const std::vector<uint8_t>&) { return want; };
    EXPECT_EQ(Exchange({0x20}, n), want) << n << " bytes";
  }
}

TEST_F(EmulatedChipTest, AShortReplyCostsOneBulkReadNotASecondLatencyWait) {
  usbemu::Emulated_Chip& chip = Plug();
  ASSERT_EQ(Open(), FT_OK);
  peer.answer = [](const std::vector<uint8_t>& in) { return in; };
  size_t before = Count(chip, Usb_Event::Bulk_In);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Exchange(Pattern(8, 1), 8), Pattern(8, 1));
  EXPECT_EQ(Count(chip, Usb_Event::Bulk_In) - before, 5u);
}

TEST_F(EmulatedChipTest, PurgeDropsALateReplyBeforeTheNextPacket) {
  usbemu::Emulated_Chip& chip = Plug();
  ASSERT_EQ(Open(), FT_OK);
  // Each answer comes twice: the second copy is a late reply the next packet must not read.
  peer.answer = [](const std::vector<uint8_t>& in) {
    std::vector<uint8_t> twice = in;
    twice.insert(twice.end(), in.begin(), in.end());
    return twice;
  };
  size_t purges = Count(chip, Usb_Event::Control_Out, 0x00, 2);
  EXPECT_EQ(Exchange(Pattern(8, 1), 8), Pattern(8, 1));
  EXPECT_EQ(Exchange(Pattern(8, 2), 8), Pattern(8, 2));
  EXPECT_EQ(Count(chip, Usb_Event::Control_Out, 0x00, 2) - purges, 2u);
}

TEST_F(EmulatedChipTest, OpenAndEveryResetSetTheLatencyTimer) {
  usbemu::Emulated_Chip& chip = Plug();
  ASSERT_EQ(Open(), FT_OK);
  EXPECT_EQ(chip.Latency(), kLibftdi_Latency_Ms);
  chip.log.clear();
  ASSERT_EQ(FT_ResetDevice(h), FT_OK);
  ASSERT_EQ(chip.log.size(), 2u);
  EXPECT_EQ(chip.log[0].request, 0x00);  // the reset
  EXPECT_EQ(chip.log[1].request, 0x09);  // then the latency again
  EXPECT_EQ(chip.log[1].value, kLibftdi_Latency_Ms);
}

TEST_F(EmulatedChipTest, FaultsEndInFailuresNotInHangs) {
  usbemu::Emulated_Chip& chip = Plug();
  ASSERT_EQ(Open(), FT_OK);
  peer.answer = [](const std::vector<uint8_t>& in) { return in; };
  DWORD n = 0;
  uint8_t packet[8] = {0x56};

  chip.in_timeouts = 1;  // a bulk read that times out gives nothing, and the reply still comes
  ASSERT_EQ(FT_Write(h, packet, 8, &n), FT_OK);
  EXPECT_EQ(FT_GetQueueStatus(h, &n), FT_OK);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(FT_GetQueueStatus(h, &n), FT_OK);
  EXPECT_EQ(n, 8u);

  chip.Unplug();
  EXPECT_EQ(FT_Purge(h, FT_PURGE_RX), FT_IO_ERROR);
  EXPECT_EQ(FT_Write(h, packet, 8, &n), FT_IO_ERROR);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(FT_GetQueueStatus(h, &n), FT_IO_ERROR);
  EXPECT_EQ(FT_Close(h), FT_OK);
  h = nullptr;
  EXPECT_EQ(FT_ListDevices(&n, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(Open(), FT_DEVICE_NOT_FOUND);
}

TEST_F(EmulatedChipTest, AnotherFtdiDeviceIsListedButNeverUsed) {
  Script_Peer other_peer;
  usbemu::Emulated_Chip& other = Plug({.serial = "A50285BI", .peer = &other_peer});
  Plug({.kernel_driver = true});  // the serial driver holds the programmer: detached, opened
  DWORD count = 0;
  ASSERT_EQ(FT_ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
  ASSERT_EQ(count, 2u);
  char serial[50];
  for (auto [index, want] : {std::pair<uintptr_t, const char*>{0, "A50285BI"}, {1, "FTKV9USB"}}) {
    ASSERT_EQ(FT_ListDevices(reinterpret_cast<PVOID>(index), serial,
                             FT_LIST_BY_INDEX | FT_OPEN_BY_SERIAL_NUMBER),
              FT_OK);
    EXPECT_STREQ(serial, want);
  }
  peer.answer = [](const std::vector<uint8_t>& in) { return in; };
  ASSERT_EQ(Open(), FT_OK);
  EXPECT_EQ(Exchange(Pattern(8, 4), 8), Pattern(8, 4));
  EXPECT_TRUE(other.log.empty());
  EXPECT_EQ(other.claimed_by, nullptr);
}

TEST_F(EmulatedChipTest, TheSurveyTellsWhatCannotBeOpenedAndWhy) {
  usbemu::Emulated_Chip& programmer = Plug();
  Script_Peer locked_peer, other_peer;
  Plug({.serial = "", .no_permission = true, .peer = &locked_peer});
  Plug({.serial = "A50285BI", .peer = &other_peer});
  programmer.claimed_by = &other_peer;  // another program holds it
  EXPECT_EQ(Open(), FT_DEVICE_NOT_OPENED);
  struct Want {
    const char* serial;
    Device_Access access;
  };
  auto check = [](const std::vector<Want>& want) {
    std::vector<Seen_Device> seen = Libftdi_Backend().Survey();
    ASSERT_EQ(seen.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(seen[i].vendor, 0x0403);
      EXPECT_EQ(seen[i].product, 0x6001);
      EXPECT_EQ(seen[i].serial, want[i].serial) << i;
      EXPECT_EQ(seen[i].access, want[i].access) << i;
      EXPECT_EQ(seen[i].detail.empty(), want[i].access != Device_Access::Busy) << i;
    }
  };
  check({{"FTKV9USB", Device_Access::Busy},
         {"", Device_Access::No_Permission},
         {"A50285BI", Device_Access::Openable}});
  programmer.claimed_by = nullptr;
  ASSERT_EQ(Open(), FT_OK);
  check({{"FTKV9USB", Device_Access::In_Use_Here},
         {"", Device_Access::No_Permission},
         {"A50285BI", Device_Access::Openable}});
}

TEST(EmulatedLibusb, EveryCallLibftdiMakesReachesTheEmulation) {
  const char* calls[] = {"libusb_alloc_transfer",
                         "libusb_bulk_transfer",
                         "libusb_cancel_transfer",
                         "libusb_claim_interface",
                         "libusb_close",
                         "libusb_control_transfer",
                         "libusb_detach_kernel_driver",
                         "libusb_exit",
                         "libusb_free_config_descriptor",
                         "libusb_free_device_list",
                         "libusb_free_transfer",
                         "libusb_get_bus_number",
                         "libusb_get_config_descriptor",
                         "libusb_get_configuration",
                         "libusb_get_device_address",
                         "libusb_get_device_descriptor",
                         "libusb_get_device_list",
                         "libusb_get_string_descriptor_ascii",
                         "libusb_handle_events_timeout",
                         "libusb_handle_events_timeout_completed",
                         "libusb_init",
                         "libusb_open",
                         "libusb_ref_device",
                         "libusb_release_interface",
                         "libusb_set_auto_detach_kernel_driver",
                         "libusb_set_configuration",
                         "libusb_submit_transfer",
                         "libusb_unref_device",
                         "libusb_error_name"};
  Dl_info self{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(&Pattern), &self), 0);
  for (const char* call : calls) {
    Dl_info info{};
    void* symbol = dlsym(RTLD_DEFAULT, call);
    ASSERT_NE(symbol, nullptr) << call;
    ASSERT_NE(dladdr(symbol, &info), 0) << call;
    EXPECT_STREQ(info.dli_fname, self.dli_fname) << call << " comes from the real libusb";
  }
}

TEST(EmulatedLibusbDeathTest, ADeviceUsedAfterItsContextEndedStopsTheProgram) {
  usbemu::Emulated_Usb usb;
  usb.Plug();
  EXPECT_DEATH(
      {
        libusb_context* ctx = nullptr;
        libusb_init(&ctx);
        libusb_device** list = nullptr;
        libusb_get_device_list(ctx, &list);
        libusb_device* dev = libusb_ref_device(list[0]);
        libusb_free_device_list(list, 1);
        libusb_exit(ctx);
        libusb_device_handle* handle = nullptr;
        libusb_open(dev, &handle);
      },
      "context was ended by libusb_exit");
}

}  // namespace
