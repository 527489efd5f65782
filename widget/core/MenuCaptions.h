#pragma once
// The captions of the photo's context menu.
#include <cstdint>
#include <string>

inline constexpr char kMenuFile[] = "ファイル";
inline constexpr char kMenuOpen[] = "画像を開く";
inline constexpr char kMenuQuit[] = "終了";
inline constexpr char kMenuSettings[] = "設定";
inline constexpr char kMenuOption[] = "オプション";
inline constexpr char kMenuHelp[] = "ヘルプ";
inline constexpr char kMenuAbout[] = "バージョン情報";

// The frame item offers the other window: with the borderless window current (0) the bordered
// one, with any other value the borderless one.
std::string BorderlessCaption(int16_t currentBorder);

// Only the right button alone (code 2) opens the menu; the middle button and left-and-right
// presses do not.
bool OpensContextMenu(int16_t button);
