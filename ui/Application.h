#pragma once
// The application object: COM for the UI thread, the title, the help file name, the forms it owns,
// the event loop and the top-level error box. Its hidden top-level window (class "TApplication") carries
// the title, so that a second start of the program can find the running one by it.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Aide.h"
#include "ui/Form.h"

namespace ui {

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // COM (single-threaded apartment) and the common controls for this thread.
  void Initialize();

  HWND Handle() const { return handle_; }
  std::wstring Title() const;
  void SetTitle(const std::wstring& titre);
  const std::string& HelpFile() const { return fichierAide_; }
  void SetHelpFile(std::string nom) { fichierAide_ = std::move(nom); }
  // Every request to the help engine goes through here: the application's help file, owned by the main
  // form (the hidden window before there is one). No form has a help file of its own. With no help file,
  // nothing is sent and the result is false.
  bool HelpCommand(UINT commande, ULONG_PTR donnees);
  // The help file's contents, then its topic (JumpID); when the contents request fails nothing more is
  // sent and the jump counts as done. Otherwise the result is the jump's.
  bool HelpJump(const std::string& sujet);
  // Replaces the help engine (nullptr: the browser again); tests install one that records the requests.
  void SetMoteurAide(MoteurAide* moteur) { moteurAide_ = moteur; }

  // Forms are destroyed in the reverse order of their creation; the first one is the main form.
  template <class F, class... A>
  F* CreateForm(A&&... args) {
    auto forme = std::make_unique<F>(std::forward<A>(args)...);
    F* f = forme.get();
    formes_.push_back(std::move(forme));
    return f;
  }
  Form* MainForm() const { return formes_.empty() ? nullptr : formes_.front().get(); }

  // Whether Run shows the main form; a handing-over second instance clears it.
  bool ShowMainForm = true;
  // Shows the main form (held back, minimised, for SW_SHOWMINNOACTIVE) and dispatches messages until a
  // quit request.
  void Run(int commandeAffichage);
  // Dispatches what is waiting, without blocking; false once a quit request was taken.
  bool ProcessMessages();
  void Terminate() { PostQuitMessage(0); }

  // The top-level error box for the exception being handled (call inside a catch block).
  void HandleException();
  void ShowException(const std::wstring& message);
  // When set, receives the messages instead of the error box (tests record them).
  std::function<void(const std::wstring& message)> OnException;

  // The hidden window mirrors the main form's minimised state, so that a second instance can test it with
  // IsIconic and restore the form through it.
  void MiroirMinimise(bool minimise);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
  void RestaurerFormePrincipale();

  HWND handle_ = nullptr;
  std::string fichierAide_;
  MoteurNavigateur navigateur_;
  MoteurAide* moteurAide_ = nullptr;
  std::vector<std::unique_ptr<Form>> formes_;
  bool comInitialise_ = false;
};

extern TApplication* Application;

// For the kit's window procedures: the error box of the current exception, when there is an application.
void GererException();

}  // namespace ui
