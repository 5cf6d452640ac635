#include "platform/gfx/Graphic.h"

#include <algorithm>

namespace gfx {

namespace {

std::string_view StripDot(std::string_view ext) {
  if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
  return ext;
}

bool SameExtension(std::string_view a, std::string_view b) {
  a = StripDot(a);
  b = StripDot(b);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

struct Registry {
  std::vector<PictureFormat> Formats;

  std::vector<PictureFormat>::iterator Find(std::string_view ext) {
    return std::find_if(Formats.begin(), Formats.end(),
                        [&](const PictureFormat& f) { return SameExtension(f.Extension, ext); });
  }
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void PictureFormats::Register(std::string_view extension, std::string_view description,
                              GraphicFactory factory) {
  Registry& r = TheRegistry();
  PictureFormat entry{std::string(StripDot(extension)), std::string(description), std::move(factory)};
  auto it = r.Find(extension);
  if (it != r.Formats.end())
    *it = std::move(entry);
  else
    r.Formats.push_back(std::move(entry));
}

bool PictureFormats::IsRegistered(std::string_view extension) {
  Registry& r = TheRegistry();
  return r.Find(extension) != r.Formats.end();
}

std::unique_ptr<Graphic> PictureFormats::Create(std::string_view extension) {
  GraphicFactory factory;
  {
    Registry& r = TheRegistry();
    auto it = r.Find(extension);
    if (it == r.Formats.end() || !it->Factory) return nullptr;
    factory = it->Factory;
  }
  return factory();
}

std::string PictureFormats::Description(std::string_view extension) {
  Registry& r = TheRegistry();
  auto it = r.Find(extension);
  return it == r.Formats.end() ? std::string() : it->Description;
}

std::vector<PictureFormat> PictureFormats::List() {
  Registry& r = TheRegistry();
  return r.Formats;
}

void PictureFormats::Unregister(std::string_view extension) {
  Registry& r = TheRegistry();
  auto it = r.Find(extension);
  if (it != r.Formats.end()) r.Formats.erase(it);
}

}  // namespace gfx
