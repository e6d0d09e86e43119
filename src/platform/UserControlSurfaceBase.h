// What every user-control site does the same way on every backend: the
// persistent image, colours, font, pictures, the mask region, access keys,
// pointer, flags, sizes in twips and the ambient values. A backend adds the
// window itself through the hooks below.
#pragma once

#include "platform/PersistentImage.h"
#include "platform/UserControlSurface.h"

namespace platform {

class UserControlSurfaceBase : public UserControlSurface {
 public:
  void SetEvents(UserControlEvents* events) override { events_ = events; }
  win::HDC hdc() const override { return image_.hdc(); }

  win::COLORREF BackColor() const override { return image_.BackColor(); }
  void SetBackColor(win::COLORREF color) override;
  win::COLORREF ForeColor() const override { return image_.ForeColor(); }
  void SetForeColor(win::COLORREF color) override { image_.SetForeColor(color); }
  FontPtr Font() const override { return image_.Font(); }
  void SetFont(FontPtr font) override { image_.SetFont(std::move(font)); }
  PicturePtr Picture() const override { return image_.Picture(); }
  void SetPicture(PicturePtr picture) override;
  PicturePtr MaskPicture() const override { return maskPicture_; }
  void SetMaskPicture(PicturePtr picture) override;
  win::COLORREF MaskColor() const override { return maskColor_; }
  void SetMaskColor(win::COLORREF color) override;
  int BackStyle() const override { return backStyle_; }
  void SetBackStyle(int style) override;

  void Cls() override;
  void Line(int x1, int y1, int x2, int y2) override { image_.Line(x1, y1, x2, y2); }
  int TextWidth(const std::string& text) override { return image_.TextWidth(text); }
  int TextHeight(const std::string& text) override { return image_.TextHeight(text); }

  std::string AccessKeys() const override { return accessKeys_; }
  void SetAccessKeys(const std::string& keys) override { accessKeys_ = keys; }
  // Whether key is one of the access keys; letters match in either case.
  bool HasAccessKey(char key) const;
  std::int16_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }
  PicturePtr MouseIcon() const override { return mouseIcon_; }
  void SetMouseIcon(PicturePtr icon) override { mouseIcon_ = std::move(icon); }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  bool RightToLeft() const override { return rightToLeft_; }
  void SetRightToLeft(bool rightToLeft) override { rightToLeft_ = rightToLeft; }
  int OLEDropMode() const override { return oleDropMode_; }
  void SetOLEDropMode(int mode) override;

  double Width() const override;
  double Height() const override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;
  int ScaleWidth() const override { return image_.Width(); }
  int ScaleHeight() const override { return image_.Height(); }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  std::string WindowText() const override { return windowText_; }
  void SetWindowText(const std::string& text) override;
  bool FocusCuesShown() const override { return focusCuesShown_; }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  void Move(int left, int top, int width, int height) override;

  FontPtr AmbientFont() const override { return ambientFont_; }
  void SetAmbientFont(FontPtr font) override { ambientFont_ = std::move(font); }
  bool AmbientUserMode() const override { return userMode_; }
  void SetAmbientUserMode(bool userMode) override { userMode_ = userMode; }
  bool AmbientDisplayAsDefault() const override { return displayAsDefault_; }
  void SetAmbientDisplayAsDefault(bool displayAsDefault) override;

  // The cursor to show over the control: 0 for the default arrow, the mouse
  // icon's handle for the custom pointer, -n for the system cursor of pointer n.
  std::intptr_t CursorToShow() const;

 protected:
  UserControlSurfaceBase(int left, int top, int width, int height);

  // The backend's window: resize it (and report the new size with Sized),
  // move it, enable it, mark it for repainting, accept drops.
  virtual void ResizeWindow(int width, int height) = 0;
  virtual void MoveWindow(int left, int top) = 0;
  virtual void EnableWindow(bool enabled) = 0;
  virtual void ShowSiteWindow(bool visible) = 0;
  virtual void SetSiteWindowText(const std::string& text) = 0;
  virtual void InvalidateWindow() = 0;
  virtual void AcceptDrops(bool accept) = 0;

  // The window has a new size: the image follows, the control hears of it.
  void Sized(int width, int height);
  // The window's keyboard cues as the platform now shows them; a change is
  // notified to the control.
  void SetFocusCuesShown(bool shown);
  // Applies the region that the mask picture, mask colour and style call for.
  void UpdateRegion();
  UserControlEvents* Events() const { return events_; }
  PersistentImage& Image() { return image_; }

 private:
  PersistentImage image_;
  UserControlEvents* events_ = nullptr;
  PicturePtr maskPicture_;
  win::COLORREF maskColor_ = 0;
  int backStyle_ = kBackStyleOpaque;
  std::string accessKeys_;
  std::int16_t mousePointer_ = kPointerDefault;
  PicturePtr mouseIcon_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string windowText_;
  // Hidden until the keyboard is used, as a window opened with the mouse starts.
  bool focusCuesShown_ = false;
  bool rightToLeft_ = false;
  int oleDropMode_ = 0;
  int left_;
  int top_;
  FontPtr ambientFont_ = std::make_shared<platform::Font>();
  bool userMode_ = true;
  bool displayAsDefault_ = false;
  bool regionApplied_ = false;
};

}  // namespace platform
