// libusb-1.0 as libftdi1 calls it, answered by the emulated bus. Linked into a test program (with
// its symbols exported), these definitions come before the real library's, so the installed
// libftdi1 runs unchanged on top of the emulated chips. Like libusb, every device and handle
// belongs to the context it was listed in; using one after that context's libusb_exit crashes the
// real library, so here it stops the program with the reason.
#include <libusb-1.0/libusb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "usblink/testing/emulated_bus.h"

struct libusb_context {
  bool alive = true;
};
struct libusb_device {
  usbemu::Emulated_Chip* chip;
  libusb_context* owner;
  int refs = 1;
};
struct libusb_device_handle {
  libusb_device* dev;
  bool claimed = false;
};

namespace {

using usbemu::Bus;
using usbemu::Emulated_Chip;

struct Registry {
  std::vector<std::unique_ptr<libusb_context>> contexts;  // kept to the end, to catch late use
  std::set<libusb_device*> devices;
  std::set<libusb_device_handle*> handles;
  libusb_context default_context;
};

Registry& Reg() {
  static Registry r;
  return r;
}

[[noreturn]] void Fatal(const std::string& what) {
  Bus::Get().Violation(what);
  std::fflush(stderr);
  std::abort();
}

libusb_context* Context(libusb_context* ctx, const char* call) {
  if (!ctx) ctx = &Reg().default_context;
  if (!ctx->alive) Fatal(std::string(call) + " on a context after libusb_exit");
  return ctx;
}

libusb_device* Device(libusb_device* dev, const char* call) {
  if (!Reg().devices.count(dev)) Fatal(std::string(call) + " on a device that was freed");
  if (!dev->owner->alive)
    Fatal(std::string(call) + " on a device whose context was ended by libusb_exit");
  return dev;
}

libusb_device_handle* Handle(libusb_device_handle* h, const char* call) {
  if (!Reg().handles.count(h)) Fatal(std::string(call) + " on a handle that was closed");
  Device(h->dev, call);
  return h;
}

void Unref(libusb_device* dev) {
  if (--dev->refs > 0) return;
  Reg().devices.erase(dev);
  delete dev;
}

std::string String_Descriptor(const Emulated_Chip& chip, uint8_t index) {
  switch (index) {
    case 1:
      return "FTDI";
    case 2:
      return "FT245R USB FIFO";
    case 3:
      return chip.Config().serial;
    default:
      return {};
  }
}

[[noreturn]] void Not_Modelled(const char* call) {
  Fatal(std::string(call) + " is not on the paths the programs use");
}

}  // namespace

extern "C" {

int libusb_init(libusb_context** ctx) {
  Reg().contexts.push_back(std::make_unique<libusb_context>());
  if (ctx) *ctx = Reg().contexts.back().get();
  return 0;
}

void libusb_exit(libusb_context* ctx) {
  ctx = Context(ctx, "libusb_exit");
  for (libusb_device* dev : Reg().devices)
    if (dev->owner == ctx)
      std::fprintf(stderr, "emulated USB: libusb_exit with a device still referenced\n");
  ctx->alive = false;
}

ssize_t libusb_get_device_list(libusb_context* ctx, libusb_device*** list) {
  ctx = Context(ctx, "libusb_get_device_list");
  std::vector<Emulated_Chip*> present = Bus::Get().Present();
  auto* out = static_cast<libusb_device**>(std::calloc(present.size() + 1, sizeof(void*)));
  for (size_t i = 0; i < present.size(); ++i) {
    out[i] = new libusb_device{present[i], ctx};
    Reg().devices.insert(out[i]);
  }
  *list = out;
  return static_cast<ssize_t>(present.size());
}

void libusb_free_device_list(libusb_device** list, int unref_devices) {
  if (!list) return;
  if (unref_devices)
    for (libusb_device** p = list; *p; ++p) Unref(Device(*p, "libusb_free_device_list"));
  std::free(list);
}

libusb_device* libusb_ref_device(libusb_device* dev) {
  ++Device(dev, "libusb_ref_device")->refs;
  return dev;
}

void libusb_unref_device(libusb_device* dev) {
  if (dev) Unref(Device(dev, "libusb_unref_device"));
}

int libusb_get_device_descriptor(libusb_device* dev, libusb_device_descriptor* desc) {
  const usbemu::Chip_Config& c = Device(dev, "libusb_get_device_descriptor")->chip->Config();
  *desc = {};
  desc->bLength = LIBUSB_DT_DEVICE_SIZE;
  desc->bDescriptorType = LIBUSB_DT_DEVICE;
  desc->bcdUSB = 0x0200;
  desc->bMaxPacketSize0 = 8;
  desc->idVendor = c.vendor;
  desc->idProduct = c.product;
  desc->bcdDevice = c.bcd_device;
  desc->iManufacturer = 1;
  desc->iProduct = 2;
  desc->iSerialNumber = c.serial.empty() ? 0 : 3;
  desc->bNumConfigurations = 1;
  return 0;
}

// One configuration (value 1) with one interface: bulk IN 0x81 described first, then bulk OUT
// 0x02, both 64 bytes, as libftdi1 takes its packet size from the first endpoint.
int libusb_get_config_descriptor(libusb_device* dev, uint8_t index,
                                 libusb_config_descriptor** config) {
  Device(dev, "libusb_get_config_descriptor");
  if (index != 0) return LIBUSB_ERROR_NOT_FOUND;
  auto* endpoints =
      static_cast<libusb_endpoint_descriptor*>(std::calloc(2, sizeof(libusb_endpoint_descriptor)));
  for (int i = 0; i < 2; ++i) {
    endpoints[i].bLength = LIBUSB_DT_ENDPOINT_SIZE;
    endpoints[i].bDescriptorType = LIBUSB_DT_ENDPOINT;
    endpoints[i].bEndpointAddress =
        i == 0 ? Emulated_Chip::kIn_Endpoint : Emulated_Chip::kOut_Endpoint;
    endpoints[i].bmAttributes = LIBUSB_TRANSFER_TYPE_BULK;
    endpoints[i].wMaxPacketSize = Emulated_Chip::kPacket;
  }
  auto* alt = static_cast<libusb_interface_descriptor*>(
      std::calloc(1, sizeof(libusb_interface_descriptor)));
  alt->bLength = LIBUSB_DT_INTERFACE_SIZE;
  alt->bDescriptorType = LIBUSB_DT_INTERFACE;
  alt->bNumEndpoints = 2;
  alt->bInterfaceClass = 0xFF;
  alt->endpoint = endpoints;
  auto* iface = static_cast<libusb_interface*>(std::calloc(1, sizeof(libusb_interface)));
  iface->altsetting = alt;
  iface->num_altsetting = 1;
  auto* c =
      static_cast<libusb_config_descriptor*>(std::calloc(1, sizeof(libusb_config_descriptor)));
  c->bLength = LIBUSB_DT_CONFIG_SIZE;
  c->bDescriptorType = LIBUSB_DT_CONFIG;
  c->bNumInterfaces = 1;
  c->bConfigurationValue = 1;
  c->MaxPower = 45;
  c->interface = iface;
  *config = c;
  return 0;
}

void libusb_free_config_descriptor(libusb_config_descriptor* config) {
  if (!config) return;
  auto* iface = const_cast<libusb_interface*>(config->interface);
  auto* alt = const_cast<libusb_interface_descriptor*>(iface->altsetting);
  std::free(const_cast<libusb_endpoint_descriptor*>(alt->endpoint));
  std::free(alt);
  std::free(iface);
  std::free(config);
}

uint8_t libusb_get_bus_number(libusb_device* dev) {
  Device(dev, "libusb_get_bus_number");
  return 1;
}

uint8_t libusb_get_device_address(libusb_device* dev) {
  return static_cast<uint8_t>(Device(dev, "libusb_get_device_address")->chip->Address());
}

int libusb_open(libusb_device* dev, libusb_device_handle** handle) {
  Emulated_Chip& chip = *Device(dev, "libusb_open")->chip;
  if (chip.Gone()) return LIBUSB_ERROR_NO_DEVICE;
  if (chip.Config().no_permission) return LIBUSB_ERROR_ACCESS;
  ++dev->refs;
  *handle = new libusb_device_handle{dev};
  Reg().handles.insert(*handle);
  return 0;
}

int libusb_release_interface(libusb_device_handle* h, int interface_number) {
  Handle(h, "libusb_release_interface");
  if (interface_number != 0 || !h->claimed) return LIBUSB_ERROR_NOT_FOUND;
  h->claimed = false;
  Emulated_Chip& chip = *h->dev->chip;
  chip.claimed_by = nullptr;
  if (chip.Config().peer) chip.Config().peer->Released();
  return chip.Gone() ? LIBUSB_ERROR_NO_DEVICE : 0;
}

void libusb_close(libusb_device_handle* h) {
  if (!h) return;
  Handle(h, "libusb_close");
  if (h->claimed) libusb_release_interface(h, 0);
  Reg().handles.erase(h);
  Unref(h->dev);
  delete h;
}

int libusb_get_string_descriptor_ascii(libusb_device_handle* h, uint8_t index, unsigned char* data,
                                       int length) {
  Emulated_Chip& chip = *Handle(h, "libusb_get_string_descriptor_ascii")->dev->chip;
  if (index == 0) return LIBUSB_ERROR_INVALID_PARAM;
  if (chip.Gone()) return LIBUSB_ERROR_NO_DEVICE;
  std::string text = String_Descriptor(chip, index);
  if (text.empty()) return LIBUSB_ERROR_PIPE;
  if (length <= 0) return LIBUSB_ERROR_INVALID_PARAM;
  int n = std::min<int>(static_cast<int>(text.size()), length - 1);
  for (int i = 0; i < n; ++i) {
    auto c = static_cast<unsigned char>(text[static_cast<size_t>(i)]);
    data[i] = c < 0x80 ? c : '?';
  }
  data[n] = 0;
  return n;
}

int libusb_detach_kernel_driver(libusb_device_handle* h, int interface_number) {
  Emulated_Chip& chip = *Handle(h, "libusb_detach_kernel_driver")->dev->chip;
  if (chip.Gone()) return LIBUSB_ERROR_NO_DEVICE;
  if (interface_number != 0 || !chip.kernel_driver) return LIBUSB_ERROR_NOT_FOUND;
  chip.kernel_driver = false;
  return 0;
}

int libusb_get_configuration(libusb_device_handle* h, int* config) {
  if (Handle(h, "libusb_get_configuration")->dev->chip->Gone()) return LIBUSB_ERROR_NO_DEVICE;
  *config = 1;
  return 0;
}

int libusb_set_configuration(libusb_device_handle* h, int config) {
  if (Handle(h, "libusb_set_configuration")->dev->chip->Gone()) return LIBUSB_ERROR_NO_DEVICE;
  if (config == 1) return 0;
  Bus::Get().Violation("set_configuration " + std::to_string(config));
  return LIBUSB_ERROR_NOT_FOUND;
}

int libusb_claim_interface(libusb_device_handle* h, int interface_number) {
  Emulated_Chip& chip = *Handle(h, "libusb_claim_interface")->dev->chip;
  if (chip.Gone()) return LIBUSB_ERROR_NO_DEVICE;
  if (interface_number != 0) return LIBUSB_ERROR_NOT_FOUND;
  if (h->claimed) return 0;
  if (chip.kernel_driver || chip.claimed_by) return LIBUSB_ERROR_BUSY;
  h->claimed = true;
  chip.claimed_by = h;
  if (chip.Config().peer) chip.Config().peer->Claimed();
  return 0;
}

int libusb_control_transfer(libusb_device_handle* h, uint8_t request_type, uint8_t request,
                            uint16_t value, uint16_t index, unsigned char* data, uint16_t length,
                            unsigned int timeout) {
  return Handle(h, "libusb_control_transfer")
      ->dev->chip->Control(request_type, request, value, index, data, length, timeout);
}

int libusb_bulk_transfer(libusb_device_handle* h, unsigned char endpoint, unsigned char* data,
                         int length, int* transferred, unsigned int timeout) {
  Handle(h, "libusb_bulk_transfer");
  int dummy = 0;
  if (!transferred) transferred = &dummy;
  if (!h->claimed) {
    Bus::Get().Violation("bulk transfer on an interface that is not claimed");
    *transferred = 0;
    return LIBUSB_ERROR_NOT_FOUND;
  }
  return h->dev->chip->Bulk(endpoint, data, length, transferred, timeout);
}

const char* libusb_error_name(int code) {
  switch (code) {
    case LIBUSB_SUCCESS:
      return "LIBUSB_SUCCESS";
    case LIBUSB_ERROR_IO:
      return "LIBUSB_ERROR_IO";
    case LIBUSB_ERROR_INVALID_PARAM:
      return "LIBUSB_ERROR_INVALID_PARAM";
    case LIBUSB_ERROR_ACCESS:
      return "LIBUSB_ERROR_ACCESS";
    case LIBUSB_ERROR_NO_DEVICE:
      return "LIBUSB_ERROR_NO_DEVICE";
    case LIBUSB_ERROR_NOT_FOUND:
      return "LIBUSB_ERROR_NOT_FOUND";
    case LIBUSB_ERROR_BUSY:
      return "LIBUSB_ERROR_BUSY";
    case LIBUSB_ERROR_TIMEOUT:
      return "LIBUSB_ERROR_TIMEOUT";
    case LIBUSB_ERROR_PIPE:
      return "LIBUSB_ERROR_PIPE";
    default:
      return "LIBUSB_ERROR_OTHER";
  }
}

// Never reached on the programs' paths: the asynchronous and streaming calls, and the
// re-attaching detach mode.
int libusb_set_auto_detach_kernel_driver(libusb_device_handle*, int) {
  Not_Modelled("libusb_set_auto_detach_kernel_driver");
}
libusb_transfer* libusb_alloc_transfer(int) {
  Not_Modelled("libusb_alloc_transfer");
}
int libusb_submit_transfer(libusb_transfer*) {
  Not_Modelled("libusb_submit_transfer");
}
int libusb_cancel_transfer(libusb_transfer*) {
  Not_Modelled("libusb_cancel_transfer");
}
void libusb_free_transfer(libusb_transfer*) {
  Not_Modelled("libusb_free_transfer");
}
int libusb_handle_events_timeout_completed(libusb_context*, struct timeval*, int*) {
  Not_Modelled("libusb_handle_events_timeout_completed");
}
int libusb_handle_events_timeout(libusb_context*, struct timeval*) {
  Not_Modelled("libusb_handle_events_timeout");
}

}  // extern "C"
