// TAppearanceStyle: the named colour sets a control loads with
// SetComponentStyle, and the one-operation interface through which a host
// restyles all its controls alike. The values keep their stored order:
// tsCustom (8) loads no colours.
#pragma once

enum TAppearanceStyle : int {
  tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
  tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
  tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

class IAppearanceStyle {
 public:
  virtual ~IAppearanceStyle() = default;
  // Any value beyond the list acts as tsCustom.
  virtual void SetComponentStyle(TAppearanceStyle AStyle) = 0;
};
