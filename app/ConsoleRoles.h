// Who works at the console and in which language: the rules UpdateControlStates
// applies to the main window's controls, the language toggle's texts, and the
// hidden debug gesture of the wall grid. Pure data and decisions; the main
// window finds each control by name and applies them.
#pragma once

#include <vector>

#include "System.h"

// The flags UpdateControlStates reads.
struct TRoleFlags {
  bool AdminLoggedIn = false;
  bool LinkOpen = false;
  bool DebugMode = false;  // TForm1.DebugMode
};

enum class TRoleFlag { AdminLoggedIn, LinkOpen, DebugMode };
// What a rule sets: Enabled, Visible, or a page's tab visibility.
enum class TControlProperty { Enabled, Visible, TabVisible };

struct TControlStateRule {
  String Form;     // the owning window's class name ("TForm1", "TForm4")
  String Control;  // the component's name in that window
  TControlProperty Property;
  TRoleFlag Flag;
  bool Inverted;   // the property is the flag's negation
};

// Every rule of UpdateControlStates, main menu's items included (D-91).
const std::vector<TControlStateRule>& ControlStateRules();
bool RuleValue(const TControlStateRule& rule, const TRoleFlags& flags);

// --- Language ---------------------------------------------------------------------
const int LanguageChinese = 0;
const int LanguageEnglish = 1;

// The language toggle (TForm1.BitbtnENCHClick): the flag after a press.
int ToggledLanguage(int language);
// The toggle's caption: the language a press switches to.
String LanguageToggleCaption(int language);
// What English1Click tells the operator, in the language just stored.
String RestartMessage(int language);

// Texts ApplyEnglishCaptions sets: each control of the window whose Chinese
// caption is the first text gets the second. The windows' own tables live with
// their forms; these are the main window's general texts and the two windows
// whose English texts the main window sets.
struct TCaptionPair {
  String Chinese;
  String English;
};
const std::vector<TCaptionPair>& MainWindowCaptions();
// The main menu's items in menu order (File, its items, Setting, ...): applied
// by position, since "系统配置" names both a menu and an item.
const std::vector<TCaptionPair>& MainMenuCaptions();
const std::vector<TCaptionPair>& TimingWindowCaptions();
const std::vector<TCaptionPair>& SubtitleWindowCaptions();
// The version window's query button (TForm5.Button1), whose English the main window sets too.
const std::vector<TCaptionPair>& VersionWindowCaptions();
// The English caption of `chinese` in `table`, or `chinese` itself when the
// table has no row for it (a text with no English form keeps its own).
String EnglishCaption(const std::vector<TCaptionPair>& table, const String& chinese);

// --- Debug gesture (D-90) ---------------------------------------------------------
// Ctrl+D (character 4) typed in the grid while the grid's own selection is
// exactly column 1, row 1 turns debug mode on; every other key turns it off.
const wchar_t DebugGestureKey = 4;
bool DebugModeAfterGridKey(wchar_t key, int selLeft, int selTop, int selRight, int selBottom);
