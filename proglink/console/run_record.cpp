#include "proglink/console/run_record.h"

#include "common/hex.h"
#include "proglink/console/json_writer.h"
#include "proglink/console/verdict_reports.h"

namespace proglink::console {

namespace {

std::optional<std::string> Address_Text(const Outcome& o, int digits) {
  if (!o.first_address) return std::nullopt;
  return common::Hex(*o.first_address, digits);
}

std::string Step_Json(const Step_Record& s, int digits) {
  Json_Object o;
  o.Add("step", s.name)
      .Add("verdict", Report_Of(s.outcome.verdict).name)
      .Add("text", s.text)
      .Add("count", s.outcome.count)
      .Add_Or_Null("first_address", Address_Text(s.outcome, digits));
  if (s.outcome.checksum) o.Add("checksum", common::Hex(*s.outcome.checksum, 4));
  return o.Add("lines", s.lines).Text();
}

}  // namespace

std::vector<std::string> Lines_Of(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (from < text.size()) {
    size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return lines;
}

std::string Run_Record::Json(int exit_status, int address_digits) const {
  std::vector<std::string> step_objects;
  for (const Step_Record& s : steps) step_objects.push_back(Step_Json(s, address_digits));
  const Step_Record* last = steps.empty() ? nullptr : &steps.back();
  Verdict verdict = Verdict_Of_Status(exit_status);
  if (last && Report_Of(last->outcome.verdict).status == exit_status)
    verdict = last->outcome.verdict;
  static const Outcome kNo_Step{};
  const Outcome& deciding = last ? last->outcome : kNo_Step;
  std::optional<std::string> sum;
  if (checksum) sum = common::Hex(*checksum, 4);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  Json_Object o;
  o.Add("program", program).Add("command", command).Add_Or_Null("device", device);
  if (device_code)
    o.Add("device_code", *device_code);
  else
    o.Add_Json("device_code", "null");
  return o.Add("verdict", Report_Of(verdict).name)
      .Add("exit_status", exit_status)
      .Add("count", deciding.count)
      .Add_Or_Null("first_address", Address_Text(deciding, address_digits))
      .Add_Or_Null("checksum", sum)
      .Add("files", files)
      .Add_Json("steps", Json_Array(step_objects))
      .Add("output", output)
      .Add("seconds", seconds)
      .Text();
}

}  // namespace proglink::console
