// Message dialogs: layout from the text, buttons per kind, keys, language, caption, scripting hook.
#include "dialogs/Mensajes.h"
#include "dialogs/MensajesScript.h"
#include "support/Modal.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace yb;

Q_DECLARE_METATYPE(yb::Respuesta)

namespace {

// Client width of a 200-pixel window with a 3-pixel border each side, plus 50.
constexpr int kClientWidth = 200 - 2 * 3 + 50;
constexpr int kWrapWidth = kClientWidth - 50;

const QString kOneLine = QStringLiteral("Registro repetido");
const QString kLong = QStringLiteral("Se han cambiado las acciones seleccionadas y todavía no se han guardado en "
                                     "ningún archivo de repertorio. Desea guardarlas antes de cerrar ?");

std::unique_ptr<TFMensajes> shown(int kind, const QString &text)
{
    auto dlg = std::make_unique<TFMensajes>(kind, text);
    dlg->show();
    return dlg;
}

// Height the label font needs for text wrapped at the given width.
int textHeight(const QLabel *lab, const QString &text, int width)
{
    const QFontMetrics fm(lab->font());
    return fm.boundingRect(QRect(0, 0, width, 100000), Qt::AlignHCenter | Qt::TextWordWrap, text).height();
}

QList<TFMensajes *> liveDialogs()
{
    QList<TFMensajes *> out;
    for (QWidget *w : QApplication::allWidgets())
        if (auto *d = qobject_cast<TFMensajes *>(w))
            out << d;
    return out;
}

// Restores the process-wide language and caption after each test.
struct SettingsGuard {
    ~SettingsGuard()
    {
        Mensajes::setEnglish(false);
        Mensajes::setTitulo(QStringLiteral("Yerbalia"));
        Mensajes::setDesatendido({});
    }
};

} // namespace

class TestMensajes : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        SettingsGuard restore;
        QVERIFY(liveDialogs().isEmpty());
    }

    void controlsLookAndFrame()
    {
        TFMensajes dlg(TFMensajes::SiNoCancelar, kOneLine);
        QLabel *lab = dlg.findChild<QLabel *>(QStringLiteral("Lab"));
        QVERIFY(lab);
        QCOMPARE(lab, dlg.Lab);
        QCOMPARE(dlg.findChild<QPushButton *>(QStringLiteral("Aceptar")), dlg.Aceptar);
        QCOMPARE(dlg.findChild<QPushButton *>(QStringLiteral("si")), dlg.si);
        QCOMPARE(dlg.findChild<QPushButton *>(QStringLiteral("No")), dlg.No);
        QCOMPARE(dlg.findChild<QPushButton *>(QStringLiteral("Cancelar")), dlg.Cancelar);

        QCOMPARE(lab->text(), kOneLine);
        QCOMPARE(lab->font().family(), QStringLiteral("Arial"));
        QCOMPARE(lab->font().pixelSize(), 13);
        QCOMPARE(lab->palette().color(QPalette::WindowText), QColor(55, 33, 7));
        QCOMPARE(lab->alignment(), Qt::AlignCenter);
        QVERIFY(lab->wordWrap());
        QCOMPARE(lab->textFormat(), Qt::PlainText);

        QCOMPARE(dlg.windowTitle(), QStringLiteral("Yerbalia"));
        QVERIFY(dlg.isModal());
        const Qt::WindowFlags f = dlg.windowFlags();
        QCOMPARE(f & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(f.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(f.testFlag(Qt::WindowTitleHint));
        QVERIFY(!f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void captionIsTheApplicationTitle()
    {
        SettingsGuard restore;
        Mensajes::setTitulo(QStringLiteral("Yerbalia Editor"));
        TFMensajes dlg(TFMensajes::Informacion, kOneLine);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Yerbalia Editor"));
    }

    void oneLineMessage()
    {
        auto dlg = shown(TFMensajes::Informacion, kOneLine);
        const QFontMetrics fm(dlg->Lab->font());
        QCOMPARE(dlg->Lab->geometry(), QRect(0, 0, kClientWidth, fm.height() + 30));
        QCOMPARE(dlg->size(), QSize(kClientWidth, fm.height() + 30 + 33));
        const int m = kClientWidth / 2;
        QCOMPARE(dlg->Aceptar->geometry(), QRect(m - 40, dlg->height() - 31, 79, 25));
        // The OK button is centred within a pixel.
        QVERIFY(qAbs(dlg->Aceptar->geometry().center().x() - dlg->rect().center().x()) <= 1);
    }

    void dialogIsCentredOnTheScreen()
    {
        auto dlg = shown(TFMensajes::SiNo, kLong);
        const QRect area = dlg->screen()->availableGeometry();
        QVERIFY2(qAbs(dlg->geometry().center().x() - area.center().x()) <= 1, qPrintable(QString::number(dlg->x())));
        QVERIFY2(qAbs(dlg->geometry().center().y() - area.center().y()) <= 1, qPrintable(QString::number(dlg->y())));
    }

    void longMessageGrowsInHeightNotWidth()
    {
        auto shortDlg = shown(TFMensajes::Informacion, kOneLine);
        auto longDlg = shown(TFMensajes::Informacion, kLong);
        const QFontMetrics fm(longDlg->Lab->font());
        QVERIFY(fm.horizontalAdvance(kLong) > 2 * kWrapWidth);

        QCOMPARE(longDlg->width(), shortDlg->width());
        QCOMPARE(longDlg->Lab->width(), kClientWidth);
        const int textH = longDlg->Lab->height() - 30;
        QCOMPARE(textH, textHeight(longDlg->Lab, kLong, kWrapWidth));
        QVERIFY2(textH >= 3 * fm.height(), qPrintable(QString::number(textH)));
        QCOMPARE(longDlg->height(), longDlg->Lab->height() + 33);
        QCOMPARE(longDlg->Aceptar->y(), longDlg->height() - 31);
    }

    void carriageReturnsStartLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("cr") << QStringLiteral("Se quitará de la selección \r\"Tos seca\"\rcon sus plantas.");
        QTest::newRow("crlf") << QStringLiteral("Se quitará de la selección \r\n\"Tos seca\"\r\ncon sus plantas.");
    }

    void carriageReturnsStartLines()
    {
        QFETCH(QString, text);
        auto dlg = shown(TFMensajes::SiNo, text);
        const QString visible = dlg->Lab->text();
        QVERIFY(!visible.contains(QLatin1Char('\r')));
        QCOMPARE(visible.count(QLatin1Char('\n')), 2);
        QCOMPARE(visible, QStringLiteral("Se quitará de la selección \n\"Tos seca\"\ncon sus plantas."));

        const QFontMetrics fm(dlg->Lab->font());
        const int textH = dlg->Lab->height() - 30;
        QVERIFY2(textH >= 3 * fm.height() && textH <= 3 * fm.lineSpacing() + 1, qPrintable(QString::number(textH)));
        QCOMPARE(textH, textHeight(dlg->Lab, visible, kWrapWidth));
        QCOMPARE(dlg->width(), kClientWidth);
    }

    void buttonsPerKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("visible");    // Aceptar, si, No, Cancelar
        QTest::addColumn<QList<int>>("fromMiddle"); // x of each visible button less m
        QTest::newRow("information") << 1 << QList<int>{1, 0, 0, 0} << QList<int>{-40};
        QTest::newRow("yes/no") << 2 << QList<int>{0, 1, 1, 0} << QList<int>{-68, 4};
        QTest::newRow("yes/no/cancel") << 3 << QList<int>{0, 1, 1, 1} << QList<int>{-111, -39, 33};
    }

    void buttonsPerKind()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, visible);
        QFETCH(QList<int>, fromMiddle);
        auto dlg = shown(kind, kLong);
        const QList<QPushButton *> buttons{dlg->Aceptar, dlg->si, dlg->No, dlg->Cancelar};
        const QList<int> widths{79, 67, 67, 79};
        const int m = dlg->width() / 2;
        int next = 0;
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->isVisible(), visible[i] == 1);
            if (!visible[i])
                continue;
            QCOMPARE(buttons[i]->geometry(), QRect(m + fromMiddle[next++], dlg->height() - 31, widths[i], 25));
            QVERIFY(dlg->rect().contains(buttons[i]->geometry()));
        }
        QCOMPARE(next, fromMiddle.size());
        QCOMPARE(dlg->respuesta(), Respuesta::None);
    }

    void captions_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("captions"); // Aceptar, si, No, Cancelar
        QTest::newRow("spanish") << false << QStringList{"Aceptar", "&Si", "&No", "Cancelar"};
        QTest::newRow("english") << true << QStringList{"OK", "&Yes", "&No", "Cancel"};
    }

    void captions()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, captions);
        SettingsGuard restore;
        Mensajes::setEnglish(english);
        TFMensajes dlg(TFMensajes::SiNoCancelar, kOneLine);
        QCOMPARE(dlg.Aceptar->text(), captions[0]);
        QCOMPARE(dlg.si->text(), captions[1]);
        QCOMPARE(dlg.No->text(), captions[2]);
        QCOMPARE(dlg.Cancelar->text(), captions[3]);
    }

    void keys_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Respuesta>("expected"); // None: the dialog stays open
        const int none = Qt::NoModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("info Return") << 1 << false << int(Qt::Key_Return) << none << Respuesta::Ok;
        QTest::newRow("info Enter") << 1 << false << int(Qt::Key_Enter) << none << Respuesta::Ok;
        QTest::newRow("info Esc") << 1 << false << int(Qt::Key_Escape) << none << Respuesta::None;
        QTest::newRow("yes/no Return") << 2 << false << int(Qt::Key_Return) << none << Respuesta::Yes;
        QTest::newRow("yes/no Esc") << 2 << false << int(Qt::Key_Escape) << none << Respuesta::No;
        QTest::newRow("yes/no Alt+N") << 2 << false << int(Qt::Key_N) << alt << Respuesta::No;
        QTest::newRow("yes/no Alt+S") << 2 << false << int(Qt::Key_S) << alt << Respuesta::Yes;
        QTest::newRow("yes/no english Alt+Y") << 2 << true << int(Qt::Key_Y) << alt << Respuesta::Yes;
        QTest::newRow("yes/no english Alt+S") << 2 << true << int(Qt::Key_S) << alt << Respuesta::None;
        QTest::newRow("yes/no/cancel Return") << 3 << false << int(Qt::Key_Return) << none << Respuesta::Yes;
        QTest::newRow("yes/no/cancel Esc") << 3 << false << int(Qt::Key_Escape) << none << Respuesta::Cancel;
        QTest::newRow("yes/no/cancel Alt+N") << 3 << false << int(Qt::Key_N) << alt << Respuesta::No;
    }

    void keys()
    {
        QFETCH(int, kind);
        QFETCH(bool, english);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Respuesta, expected);
        SettingsGuard restore;
        Mensajes::setEnglish(english);
        auto dlg = shown(kind, kOneLine);
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QPushButton *def = kind == TFMensajes::Informacion ? dlg->Aceptar : dlg->si;
        QCOMPARE(QApplication::focusWidget(), def);
        QVERIFY(def->isDefault());

        QSignalSpy finished(dlg.get(), &QDialog::finished);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (expected == Respuesta::None) {
            // A mnemonic presses its button at once and clicks it a moment later: nothing is pressed.
            for (QPushButton *b : {dlg->Aceptar, dlg->si, dlg->No, dlg->Cancelar})
                QVERIFY2(!b->isDown(), qPrintable(b->objectName()));
            QVERIFY(dlg->isVisible());
            QCOMPARE(dlg->respuesta(), Respuesta::None);
        } else {
            QTRY_COMPARE(dlg->respuesta(), expected);
            QCOMPARE(finished.size(), 1);
            QVERIFY(!dlg->isVisible());
        }
    }

    void informationClosesOnlyThroughItsButton()
    {
        auto dlg = shown(TFMensajes::Informacion, kOneLine);
        QVERIFY(!dlg->close());
        QVERIFY(dlg->isVisible());
        dlg->reject();
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->respuesta(), Respuesta::None);
    }

    void clicks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Respuesta>("expected");
        QTest::newRow("Aceptar") << 1 << "Aceptar" << Respuesta::Ok;
        QTest::newRow("yes/no si") << 2 << "si" << Respuesta::Yes;
        QTest::newRow("yes/no No") << 2 << "No" << Respuesta::No;
        QTest::newRow("yes/no/cancel si") << 3 << "si" << Respuesta::Yes;
        QTest::newRow("yes/no/cancel No") << 3 << "No" << Respuesta::No;
        QTest::newRow("Cancelar") << 3 << "Cancelar" << Respuesta::Cancel;
    }

    void clicks()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(Respuesta, expected);
        auto dlg = shown(kind, kLong);
        auto *b = dlg->findChild<QPushButton *>(button);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(dlg->respuesta(), expected);
        QVERIFY(!dlg->isVisible());
    }

    // The free functions show a real modal dialog, answer from it and destroy it.
    void operationsRunModally_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<Respuesta>("expected");
        QTest::newRow("information") << 1 << int(Qt::Key_Return) << Respuesta::Ok;
        QTest::newRow("question yes") << 2 << int(Qt::Key_Return) << Respuesta::Yes;
        QTest::newRow("question no") << 2 << int(Qt::Key_Escape) << Respuesta::No;
        QTest::newRow("question cancel") << 3 << int(Qt::Key_Escape) << Respuesta::Cancel;
    }

    void operationsRunModally()
    {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(Respuesta, expected);
        QString seenText;
        QString seenTitle;
        int seenKind = 0;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            const QList<TFMensajes *> open = liveDialogs();
            if (open.size() != 1)
                return;
            TFMensajes *dlg = open.first();
            modal = QApplication::activeModalWidget() == dlg && dlg->isVisible();
            seenText = dlg->Lab->text();
            seenTitle = dlg->windowTitle();
            seenKind = dlg->tipo();
            QTest::keyClick(dlg, Qt::Key(key));
        });
        const QString text = QStringLiteral("Pregunta %1").arg(kind);
        Respuesta got = Respuesta::None;
        if (kind == 1) {
            Mensajes::informar(text);
            got = Respuesta::Ok;
        } else if (kind == 2) {
            got = Mensajes::preguntar(text) ? Respuesta::Yes : Respuesta::No;
        } else {
            got = Mensajes::preguntarCancelar(text);
        }
        QVERIFY(modal);
        QCOMPARE(seenKind, kind);
        QCOMPARE(seenText, text);
        QCOMPARE(seenTitle, QStringLiteral("Yerbalia"));
        QCOMPARE(got, expected);
        QVERIFY(liveDialogs().isEmpty());
    }

    // The platform's boxes label their standard buttons in the interface language, whatever
    // translations are installed.
    void standardBoxButtons_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Aceptar") << false << int(QMessageBox::Ok) << "Aceptar";
        QTest::newRow("Cancelar") << false << int(QMessageBox::Cancel) << "Cancelar";
        QTest::newRow("Sí") << false << int(QMessageBox::Yes) << "Sí";
        QTest::newRow("No") << false << int(QMessageBox::No) << "No";
        QTest::newRow("OK") << true << int(QMessageBox::Ok) << "OK";
        QTest::newRow("Cancel") << true << int(QMessageBox::Cancel) << "Cancel";
        QTest::newRow("Yes") << true << int(QMessageBox::Yes) << "Yes";
        QTest::newRow("No, English") << true << int(QMessageBox::No) << "No";
    }

    void standardBoxButtons()
    {
        QFETCH(bool, english);
        QFETCH(int, button);
        QFETCH(QString, text);
        Mensajes::setEnglish(english);
        const auto caja =
            Mensajes::cajaEstandar(QMessageBox::Question, kOneLine,
                                   QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(caja->button(QMessageBox::StandardButton(button))->text(), text);
        QCOMPARE(caja->windowTitle(), QStringLiteral("Yerbalia"));
        QCOMPARE(caja->text(), kOneLine);
    }

    // The confirmation is such a box, shown for real and answered by its buttons.
    void confirmationSpeaksTheInterfaceLanguage_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("Spanish") << false << QStringList{"Aceptar", "Cancelar"};
        QTest::newRow("English") << true << QStringList{"Cancel", "OK"};
    }

    void confirmationSpeaksTheInterfaceLanguage()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, buttons);
        Mensajes::setEnglish(english);
        QStringList seen;
        yb::test::alAbrirseCaja(this, [&](QMessageBox *caja) {
            for (QAbstractButton *b : caja->buttons())
                seen << b->text();
            caja->button(QMessageBox::Ok)->click();
        });
        QVERIFY(Mensajes::confirmar(QStringLiteral("Delete record?")));
        seen.sort();
        QCOMPARE(seen, buttons);
    }

    // A run nobody answers: nothing shows, the text goes to the hook, and each
    // dialog takes the answer that changes nothing.
    void unattendedDialogsChangeNothing()
    {
        QStringList texts;
        Mensajes::setDesatendido([&](const QString &t) { texts << t; });
        Mensajes::informar(QStringLiteral("uno"));
        QVERIFY(!Mensajes::preguntar(QStringLiteral("dos")));
        QCOMPARE(Mensajes::preguntarCancelar(QStringLiteral("tres")), Respuesta::Cancel);
        QVERIFY(!Mensajes::confirmar(QStringLiteral("cuatro")));
        QCOMPARE(texts, (QStringList{"uno", "dos", "tres", "cuatro"}));
        QVERIFY(liveDialogs().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void scriptAnswersInOrderWithoutShowing()
    {
        Mensajes::Script script(
            {Respuesta::Ok, Respuesta::Yes, Respuesta::No, Respuesta::Cancel, Respuesta::No, Respuesta::Yes});
        QCOMPARE(script.pending(), 6);
        Mensajes::informar(QStringLiteral("uno"));
        QCOMPARE(Mensajes::preguntar(QStringLiteral("Desea salir de la aplicación Yerbalia ?")), true);
        QCOMPARE(Mensajes::preguntar(QStringLiteral("tres")), false);
        QCOMPARE(Mensajes::preguntarCancelar(QStringLiteral("cuatro\r\"x\"\rfin.")), Respuesta::Cancel);
        QCOMPARE(Mensajes::preguntarCancelar(QStringLiteral("cinco")), Respuesta::No);
        QCOMPARE(script.pending(), 1);
        QCOMPARE(script.texts(), (QStringList{"uno", "Desea salir de la aplicación Yerbalia ?", "tres",
                                              "cuatro\r\"x\"\rfin.", "cinco"}));
        QVERIFY(liveDialogs().isEmpty());
    }

    void innerScriptGivesWayToOuter()
    {
        Mensajes::Script outer({Respuesta::No});
        {
            Mensajes::Script inner({Respuesta::Yes});
            QVERIFY(Mensajes::preguntar(QStringLiteral("dentro")));
            QCOMPARE(inner.texts(), QStringList{"dentro"});
        }
        QVERIFY(!Mensajes::preguntar(QStringLiteral("fuera")));
        QCOMPARE(outer.texts(), QStringList{"fuera"});
        QCOMPARE(outer.pending(), 0);
    }

    // An unexpected dialog ends the process loudly, naming its text; run in a child process.
    void scriptFailsLoudly_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("no answer left") << "exhausted"
                                        << "no scripted answer left: \"Segunda pregunta\"";
        QTest::newRow("answer does not fit") << "mismatch"
                                             << "does not fit message dialog of kind 2: \"Pregunta\"";
        // clang-format on
    }

    void scriptFailsLoudly()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("YB_MENSAJES_CHILD"), scenario);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        const QString err = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(err));
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(!child.readAllStandardOutput().contains("child survived"), qPrintable(err));
    }
};

// The child side of scriptFailsLoudly: a dialog the script cannot answer.
static int runChild(const QByteArray &scenario)
{
    if (scenario == "exhausted") {
        Mensajes::Script script({Respuesta::Yes});
        Mensajes::preguntar(QStringLiteral("Primera pregunta"));
        Mensajes::preguntar(QStringLiteral("Segunda pregunta"));
    } else {
        Mensajes::Script script({Respuesta::Cancel});
        Mensajes::preguntar(QStringLiteral("Pregunta"));
    }
    fputs("child survived\n", stdout);
    return 0;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QByteArray scenario = qgetenv("YB_MENSAJES_CHILD");
    if (!scenario.isEmpty())
        return runChild(scenario);
    TestMensajes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mensajes.moc"
