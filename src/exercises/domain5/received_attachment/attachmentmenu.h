#pragma once
#include <QString>
#include <functional>

class QWidget;

// The context menu of an attached file's entry in the mail client's attachment bar:
// "Ouvrir", "Enregistrer sous ..." and "Supprimer". It opens where the pupil clicks
// with the right button and hands the chosen item to the window.
namespace AttachmentMenu {
enum class Choice { Open, SaveAs, Delete };
void install(QWidget *entry, std::function<void(Choice)> chosen);
}
