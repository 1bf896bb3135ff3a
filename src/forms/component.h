// The base of everything a form holds: components that own and free each other, and the events
// they raise.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/basic_types.h"

class TObject {
 public:
  virtual ~TObject() = default;
};

// Raised for a misuse of the framework, such as a duplicate component name.
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Owns the components created with it as owner and frees them, newest first, when freed.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Throws EComponentError for an invalid identifier or a name the owner already has.
  void SetName(const std::string& name);
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[static_cast<size_t>(index)]; }
  // An owned component by name, ignoring case; nullptr when there is none.
  TComponent* FindComponent(const std::string& name) const;
  bool Destroying() const { return destroying_; }

  intptr_t Tag = 0;

  // Runs once the component and its owned parts are built (see CreateForm).
  virtual void Loaded() {}

  // Asks to be told (through Notification) when `other` is freed, and tells it likewise.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  // `component`, which this one referred to, is being freed.
  virtual void Notification(TComponent* /*component*/) {}
  void DestroyComponents();
  void MarkDestroying() { destroying_ = true; }

 private:
  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  bool destroying_ = false;
};
