#include "cmntextedit.h"

CCmnTextEdit::CCmnTextEdit(QWidget *parent)
    : QTextEdit(parent)
{
}
