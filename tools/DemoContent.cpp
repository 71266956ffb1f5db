#include "DemoContent.h"

namespace vorkast {

namespace {

DemoQuestion q(const QString &question, const QString &w1, const QString &w2, const QString &w3, const QString &right)
{
    return {question, w1, w2, w3, right};
}

} // namespace

QVector<DemoTest> demoTests()
{
    QVector<DemoTest> tests;

    tests.append({QStringLiteral("Дроби"), QStringLiteral("5"), QStringLiteral("математика"),
                  {q(QStringLiteral("Сколько будет <b>1/2 + 1/4</b>?"), QStringLiteral("2/6"), QStringLiteral("1/6"),
                     QStringLiteral("2/4"), QStringLiteral("3/4")),
                   q(QStringLiteral("Какая дробь <i>больше</i>: 3/5 или 2/3?"), QStringLiteral("3/5"),
                     QStringLiteral("они равны"), QStringLiteral("сравнить нельзя"), QStringLiteral("2/3")),
                   q(QStringLiteral("Сократите дробь <span style=\"color:#1169fd\">12/18</span>."),
                     QStringLiteral("3/4"), QStringLiteral("6/8"), QStringLiteral("4/9"), QStringLiteral("2/3")),
                   q(QStringLiteral("Чему равно 0,5 в виде обыкновенной дроби?"), QStringLiteral("1/5"),
                     QStringLiteral("5/100"), QStringLiteral("1/50"), QStringLiteral("1/2")),
                   q(QStringLiteral("Сколько будет <b>2/3 · 3/4</b>?"), QStringLiteral("5/7"),
                     QStringLiteral("6/7"), QStringLiteral("8/9"), QStringLiteral("1/2"))}});

    tests.append({QStringLiteral("Механическое движение"), QStringLiteral("7"), QStringLiteral("физика"),
                  {q(QStringLiteral("В каких единицах в системе СИ измеряется <b>скорость</b>?"),
                     QStringLiteral("км/ч"), QStringLiteral("м/мин"), QStringLiteral("см/с"), QStringLiteral("м/с")),
                   q(QStringLiteral("Автомобиль проехал 120 км за 2 ч. Его средняя скорость:"),
                     QStringLiteral("240 км/ч"), QStringLiteral("30 км/ч"), QStringLiteral("100 км/ч"),
                     QStringLiteral("60 км/ч")),
                   q(QStringLiteral("Формула пути при равномерном движении:"), QStringLiteral("<i>s = v / t</i>"),
                     QStringLiteral("<i>s = t / v</i>"), QStringLiteral("<i>s = v + t</i>"),
                     QStringLiteral("<i>s = v · t</i>")),
                   q(QStringLiteral("Что называют <u>траекторией</u>?"),
                     QStringLiteral("расстояние между начальной и конечной точками"),
                     QStringLiteral("время движения тела"), QStringLiteral("скорость тела в данный момент"),
                     QStringLiteral("линию, вдоль которой движется тело"))}});

    tests.append({QStringLiteral("Имя существительное"), QStringLiteral("5"), QStringLiteral("русский"),
                  {q(QStringLiteral("Какое слово является <b>именем существительным</b>?"),
                     QStringLiteral("бегать"), QStringLiteral("красивый"), QStringLiteral("быстро"),
                     QStringLiteral("радость")),
                   q(QStringLiteral("Определите род слова «<i>тюль</i>»."), QStringLiteral("женский"),
                     QStringLiteral("средний"), QStringLiteral("общий"), QStringLiteral("мужской")),
                   q(QStringLiteral("Какое существительное относится к <b>3-му склонению</b>?"),
                     QStringLiteral("мама"), QStringLiteral("стол"), QStringLiteral("окно"),
                     QStringLiteral("ночь")),
                   q(QStringLiteral("В каком слове пишется мягкий знак на конце?"), QStringLiteral("(много) туч.."),
                     QStringLiteral("калач.."), QStringLiteral("шалаш.."), QStringLiteral("печ..")),
                   q(QStringLiteral("Какое существительное <u>собственное</u>?"), QStringLiteral("река"),
                     QStringLiteral("город"), QStringLiteral("кошка"), QStringLiteral("Волга"))}});

    tests.append({QStringLiteral("Строение клетки"), QStringLiteral("8"), QStringLiteral("биология"),
                  {q(QStringLiteral("Где хранится наследственная информация клетки?"),
                     QStringLiteral("в рибосомах"), QStringLiteral("в вакуолях"), QStringLiteral("в мембране"),
                     QStringLiteral("в ядре")),
                   q(QStringLiteral("Какой органоид называют «<b>энергетической станцией</b>» клетки?"),
                     QStringLiteral("комплекс Гольджи"), QStringLiteral("лизосома"), QStringLiteral("хлоропласт"),
                     QStringLiteral("митохондрия")),
                   q(QStringLiteral("Чего <i>нет</i> в клетке животных?"), QStringLiteral("ядра"),
                     QStringLiteral("цитоплазмы"), QStringLiteral("митохондрий"), QStringLiteral("хлоропластов"))}});

    tests.append({QStringLiteral("Present Simple"), QStringLiteral("6"), QStringLiteral("английский"),
                  {q(QStringLiteral("She ___ to school every day."), QStringLiteral("go"),
                     QStringLiteral("going"), QStringLiteral("gone"), QStringLiteral("goes")),
                   q(QStringLiteral("___ you like apples?"), QStringLiteral("Does"), QStringLiteral("Is"),
                     QStringLiteral("Are"), QStringLiteral("Do")),
                   q(QStringLiteral("Выберите отрицание: «He <b>doesn't</b> ___ tea.»"), QStringLiteral("drinks"),
                     QStringLiteral("drinking"), QStringLiteral("drank"), QStringLiteral("drink"))}});

    tests.append({QStringLiteral("Алгоритмы"), QStringLiteral("10"), QStringLiteral("информатика"),
                  {q(QStringLiteral("Свойство алгоритма, означающее, что он завершается за конечное число шагов:"),
                     QStringLiteral("дискретность"), QStringLiteral("понятность"), QStringLiteral("массовость"),
                     QStringLiteral("конечность (результативность)")),
                   q(QStringLiteral("Сколько раз выполнится тело цикла <tt>for i := 1 to 10 do</tt>?"),
                     QStringLiteral("9"), QStringLiteral("11"), QStringLiteral("ни разу"), QStringLiteral("10")),
                   q(QStringLiteral("Чему равно 101<sub>2</sub> в десятичной системе?"), QStringLiteral("3"),
                     QStringLiteral("6"), QStringLiteral("101"), QStringLiteral("5"))}});
    return tests;
}

} // namespace vorkast
