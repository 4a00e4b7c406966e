#include "memprog/catalogue/electronic_id.h"

#include "common/hex.h"
#include "memprog/catalogue/id_tables.h"

namespace memprog {

Id_Match Look_Up_Id(uint8_t mfg, uint8_t dev) {
  Id_Match m;
  const Id_Maker* maker = Find_Id_Maker(mfg);
  if (!maker) return m;
  m.mfg_known = true;
  m.mfg_caption = maker->caption;
  for (const Id_Part& part : maker->parts) {
    if (part.dev != dev) continue;
    m.dev_known = true;
    m.name = part.name;
    m.code = part.code;
    break;
  }
  return m;
}

bool Has_Electronic_Id(int code) {
  for (int mfg = 0; mfg <= 0xFF; ++mfg)
    if (const Id_Maker* maker = Find_Id_Maker(static_cast<uint8_t>(mfg)))
      for (const Id_Part& part : maker->parts)
        if (part.code == code) return true;
  return false;
}

Id_Caption_Texts Id_Texts(uint8_t mfg, uint8_t dev) {
  Id_Match m = Look_Up_Id(mfg, dev);
  return {m.mfg_known ? m.mfg_caption : "Mfg Id - " + common::Hex(mfg, 2),
          m.name.empty() ? "Dev Id - " + common::Hex(dev, 2) : m.name};
}

}  // namespace memprog
