#pragma once
// A form's modal run: the application's main form takes no input until the form's ModalResult is set.
namespace ui {

class Form;

class ModalRun {
 public:
  explicit ModalRun(Form& form) : form_(form) {}

  // Shows the form, its focus on its first tab stop, and takes the messages until its ModalResult is set;
  // then hides it and gives the activation back to the main form. The result is the ModalResult.
  int Run();
  bool Running() const { return running_; }

 private:
  Form& form_;
  bool running_ = false;
};

}  // namespace ui
