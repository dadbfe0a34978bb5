#pragma once

#include "console/console.hpp"
#include "console/key.hpp"

namespace bidgauge {

// The ten-page help reader, driven one key at a time. It draws on the
// background that is current when it opens.
class HelpPager {
 public:
  explicit HelpPager(Console& console) : console_(console) {}

  // Shows page 1.
  void open();
  // One key (upper-cased); false once the user has left with Q or Escape.
  bool handle(Key key);

  int page() const { return page_; }

 private:
  void show(int page);

  Console& console_;
  int page_ = 1;
};

}  // namespace bidgauge
