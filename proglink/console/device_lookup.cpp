#include "proglink/console/device_lookup.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>

#include "common/hex.h"
#include "proglink/console/part_names.h"

namespace proglink::console {

namespace {

constexpr size_t kMax_Candidates = 10;
// A name shorter than this that begins a longer one is too little to call them alike.
constexpr size_t kMin_Alike = 4;

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool All_Digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Has(const std::vector<std::string>& v, std::string_view s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

// The names and makers of one device of the catalogue.
struct Device_Names {
  int code;
  std::string_view caption;
  std::vector<std::string> forms;   // upper case, from its caption and its list lines
  std::vector<std::string> makers;  // of its list lines and of the prefixes of its names
  std::vector<std::string_view> lines;
};

class Lookup {
 public:
  explicit Lookup(const Catalogue_View& v) : v_(v) {
    for (const Catalogue_Name& e : v.entries) {
      Device_Names* d = Find(e.code);
      if (d == nullptr) d = &devices_.emplace_back(Device_Names{e.code, e.caption, {}, {}, {}});
      Add_Forms(*d, Name_Forms(Name_Column(e.caption)));
    }
    for (std::string_view line : v.lines)
      if (Device_Names* d = Find(v.code_of_line(line))) {
        d->lines.push_back(line);
        Add_Forms(*d, Name_Forms(Name_Column(line)));
        if (std::string maker = Maker_Column(line); !maker.empty()) d->makers.push_back(maker);
      }
  }

  template <typename Test>
  std::vector<const Device_Names*> Where(Test&& test) const {
    std::vector<const Device_Names*> found;
    for (const Device_Names& d : devices_)
      if (test(d)) found.push_back(&d);
    return found;
  }

  std::vector<std::string> Candidate_Lines(const std::vector<const Device_Names*>& found) const {
    std::vector<std::string> lines;
    for (const Device_Names* d : found) {
      if (lines.size() == kMax_Candidates && found.size() > kMax_Candidates + 1) {
        lines.push_back("... and " + std::to_string(found.size() - kMax_Candidates) + " more (" +
                        v_.program + " list TEXT shows them all)");
        break;
      }
      if (!d->lines.empty())
        lines.emplace_back(d->lines.front());
      else
        lines.push_back(std::string(d->caption) + "  " + std::to_string(d->code));
    }
    return lines;
  }

 private:
  Device_Names* Find(int code) {
    for (Device_Names& d : devices_)
      if (d.code == code) return &d;
    return nullptr;
  }
  static void Add_Forms(Device_Names& d, const std::vector<std::string>& forms) {
    for (const std::string& f : forms) {
      if (!Has(d.forms, f)) d.forms.push_back(f);
      const Maker_Split split = Split_Maker(f);
      if (!split.maker.empty() && !Has(d.makers, split.maker)) d.makers.emplace_back(split.maker);
    }
  }

  const Catalogue_View& v_;
  std::vector<Device_Names> devices_;
};

// The devices a name without its maker's prefix gives: those of that maker when there are such,
// else those that are the part itself rather than another maker's version of it.
std::vector<const Device_Names*> Without_Maker(const Lookup& lookup, const Maker_Split& typed) {
  auto found = lookup.Where([&](const Device_Names& d) {
    return std::any_of(d.forms.begin(), d.forms.end(),
                       [&](const std::string& f) { return Split_Maker(f).part == typed.part; });
  });
  if (found.size() < 2) return found;
  if (!typed.maker.empty()) {
    auto of_maker = found;
    std::erase_if(of_maker, [&](const Device_Names* d) { return !Has(d->makers, typed.maker); });
    if (!of_maker.empty()) return of_maker;
  }
  auto plain = found;
  std::erase_if(plain, [&](const Device_Names* d) { return !Has(d->forms, typed.part); });
  return plain.empty() ? found : plain;
}

// Devices whose names or list lines hold the name, or whose names begin it (27C256 for
// M27C256B): never taken, only shown.
std::vector<const Device_Names*> Alike(const Lookup& lookup, std::string_view name,
                                       const Maker_Split& typed) {
  return lookup.Where([&](const Device_Names& d) {
    if (name.empty()) return false;
    if (Holds_Ignoring_Case(d.caption, name)) return true;
    for (std::string_view line : d.lines)
      if (Holds_Ignoring_Case(line.substr(0, 40), name)) return true;
    return std::any_of(d.forms.begin(), d.forms.end(), [&](const std::string& f) {
      const std::string part = Split_Maker(f).part;
      return part.size() >= kMin_Alike && typed.part.starts_with(part);
    });
  });
}

}  // namespace

bool Equal_Ignoring_Case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

bool Holds_Ignoring_Case(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [](char x, char y) { return Lower(x) == Lower(y); }) != text.end();
}

Device_Match Find_Device(std::string_view name, const Catalogue_View& view) {
  // A code or a caption as the catalogue writes it names one device without the name forms
  // being built, which is most of a command line's start-up.
  std::optional<int64_t> number;
  if (All_Digits(name)) number = common::Parse_Decimal(name);
  std::vector<int> codes;
  for (const Catalogue_Name& e : view.entries)
    if (((number && e.code == *number) || Equal_Ignoring_Case(e.caption, name)) &&
        std::find(codes.begin(), codes.end(), e.code) == codes.end())
      codes.push_back(e.code);
  if (codes.size() == 1) {
    // A device is called by the caption of its first entry.
    auto first = std::find_if(view.entries.begin(), view.entries.end(),
                              [&](const Catalogue_Name& e) { return e.code == codes.front(); });
    Device_Match m;
    m.code = first->code;
    m.caption = first->caption;
    return m;
  }

  const Lookup lookup(view);
  const std::string upper = Upper(name);
  const Maker_Split typed = Split_Maker(upper);
  bool as_written = true;
  auto found = lookup.Where([&](const Device_Names& d) {
    return std::find(codes.begin(), codes.end(), d.code) != codes.end();
  });
  if (found.empty()) {
    as_written = false;
    found = lookup.Where([&](const Device_Names& d) { return Has(d.forms, upper); });
  }
  if (found.empty()) found = Without_Maker(lookup, typed);

  Device_Match m;
  const std::string quoted = "'" + std::string(name) + "'";
  if (found.size() == 1) {
    m.code = found.front()->code;
    m.caption = found.front()->caption;
    if (!as_written)
      m.note = quoted + " is taken as the " + m.caption + " (device code " +
               std::to_string(m.code) + ")";
    return m;
  }
  if (!found.empty()) {
    m.problem = quoted + " names several devices; give the code of one of them:";
  } else {
    found = Alike(lookup, name, typed);
    m.problem = "no device " + quoted +
                (found.empty() ? std::string(" (") + view.program + " list shows the devices)"
                               : "; devices whose names are like it:");
  }
  m.candidates = lookup.Candidate_Lines(found);
  return m;
}

bool Print_Device_List(std::ostream& out, std::ostream& err, const Catalogue_View& view,
                       std::optional<std::string_view> text) {
  if (!text) {
    for (std::string_view line : view.lines) out << line << '\n';
    return true;
  }
  bool any = false;
  for (std::string_view line : view.lines) {
    if (view.code_of_line(line) == 0 || !Holds_Ignoring_Case(line, *text)) continue;
    out << line << '\n';
    any = true;
  }
  if (!any) err << view.program << ": no device line holds '" << *text << "'\n";
  return any;
}

}  // namespace proglink::console
