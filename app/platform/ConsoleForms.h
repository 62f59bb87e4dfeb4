// How the console's windows come to be: each window's layout is a form file
// (resources/forms/UnitN.dfm) that the build embeds under the window's class
// name and the window streams when it is made. The reader finds every class a
// form file names by its registered name: the runtime's and the toolkit's
// units register theirs when they start, and the console's own units register
// its windows. StartConsoleUnits starts them all in dependency order, for the
// program and for every test that makes a console window.
#pragma once

#include <vector>

#include "Classes.h"
#include "Forms.h"
#include "Units.h"

// Starts the runtime's, the link's and the toolkit's units and then the
// console's own (ConsoleFormsUnit last); a unit already started is skipped.
void StartConsoleUnits();

// Registers the console's window classes by name, so a form file or
// Application->CreateForm can name them; its end takes them back.
extern const TUnitEntry ConsoleFormsUnit;

// The console's windows by class name, in the order the program makes them:
// TForm18 first, so it is the application's main form, then the main window
// TForm1 and the rest. Each window adds its class to ConsoleFormsUnit's list;
// a name not registered there is not in the program yet.
const std::vector<String>& ConsoleWindowOrder();
// Makes every window of that order whose class is registered, owned by the
// application, and gives the start-up window the main window to show.
// Answers the windows made, in order.
std::vector<TCustomForm*> CreateConsoleWindows();

// The component named `name` of a streamed window, as the class its field
// holds. A form file that lacks it, or holds another kind under that name,
// is a broken build: EComponentError names the window and the component.
TComponent* FindFormComponent(TComponent* form, const String& name, TClass expected);
template <class T>
void BindFormComponent(TComponent* form, const wchar_t* name, T*& field) {
  field = static_cast<T*>(FindFormComponent(form, name, T::StaticClass()));
}
// Several at once, as name and field pairs: BindFormComponents(this, L"Edit1", Edit1, L"Button1", Button1).
inline void BindFormComponents(TComponent*) {}
template <class T, class... Rest>
void BindFormComponents(TComponent* form, const wchar_t* name, T*& field, Rest&&... rest) {
  BindFormComponent(form, name, field);
  BindFormComponents(form, static_cast<Rest&&>(rest)...);
}

// The console's window of class T (each is made once, at start), or null.
template <class T>
T* ConsoleForm() {
  if (!Screen) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (auto* form = dynamic_cast<T*>(Screen->Forms(i))) return form;
  return nullptr;
}
