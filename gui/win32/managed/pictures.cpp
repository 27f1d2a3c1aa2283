// Pictures of the driver's gadgets: a panel's background picture and its opacity, and icon
// strips loaded from pixmaps or image files.
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"
#include "gui/win32/native/vell.h"

// The picture is kept converted, so that it is ready for another bitmap.
void TWin32Gadget::SetPixmap(Ref<TPixmap> pixmap, int32_t flags) {
  auto* panel = dynamic_cast<VellPanel*>(native());
  if (!panel) return;
  pix = pixmap && pixmap->format != PixmapFormat::RGB888 ? pixmap->Convert(PixmapFormat::RGB888) : pixmap;
  panel->SetPicture(pix.get(), flags);
}

void TWin32Gadget::SetAlpha(float alpha) {
  if (auto* panel = dynamic_cast<VellPanel*>(native())) panel->SetAlpha(alpha);
}

Ref<TIconStrip> TWin32GUIDriver::LoadIconStrip(Ref<TObject> source) {
  Ref<TPixmap> pixmap;
  if (auto given = Cast<TPixmap>(source)) {
    pixmap = given->Copy();  // the caller's pixmap stays as it was
  } else {
    pixmap = LoadPixmap(source);
  }
  if (!pixmap) return nullptr;
  ProcessIconPix(pixmap);
  if (pixmap->format != PixmapFormat::RGB888) pixmap = pixmap->Convert(PixmapFormat::RGB888);
  Win32IconStrip* native = Win32IconStrip::FromPixmap(*pixmap);
  if (!native) return nullptr;
  auto strip = New<TWin32IconStrip>();
  strip->pixmap = pixmap;
  strip->count = native->count;
  strip->handle = native;
  return strip;
}
