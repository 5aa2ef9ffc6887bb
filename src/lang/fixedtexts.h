#pragma once

// Texts that read the same in every language: names and addresses.
namespace FixedTexts {

inline constexpr const char *AuthorName = "Gruppo di lavoro Aralda";
inline constexpr const char *SchoolName = "Laboratorio di matematica - Scuola secondaria";
inline constexpr const char *AuthorMail = "mailto:aralda@example.org";
inline constexpr const char *HomePage = "https://aralda.example.org/";

// The parameter dialogs' pop-up item, in Italian in every language.
inline constexpr const char *ShowHintsItem = "Mostra suggerimenti";

// Labels beside the dialogs' value fields, spaced as the design spaces them.
inline constexpr const char *FigureXaLabel = "Xa = ";
inline constexpr const char *FigureYaLabel = "Ya = ";
inline constexpr const char *FigureXbLabel = "Xb  =";
inline constexpr const char *FigureYbLabel = "Yb = ";
inline constexpr const char *FigureXcLabel = "Xc =";
inline constexpr const char *FigureYcLabel = "Yc = ";
inline constexpr const char *FigureXdLabel = "Xd =";
inline constexpr const char *FigureYdLabel = "Yd = ";
inline constexpr const char *FigureRadiusLabel = "R =";
inline constexpr const char *TranslationXLabel = "x  =";
inline constexpr const char *TranslationYLabel = "y  =";
inline constexpr const char *RotationCentreXLabel = "Xc = ";
inline constexpr const char *RotationCentreYLabel = "Yc =";
// Written "a° = " in the Symbol typeface, whose "a" is the Greek alpha; the
// letter itself is portable where that typeface is not.
inline constexpr const char *RotationAngleLabel = "\u03B1° = ";
// The symmetry dialog: its kinds, in the order of `SymmetryKind`, and its
// labels; the angle's "a" was a Symbol-typeface alpha, as in the rotation.
inline constexpr const char *SymmetryKindItems[] = {
    "P (x, y)", "x = cost", "y = cost", "y = x", "y = -x", "y = mx + q",
};
inline constexpr const char *SymmetryXLabel = "x = ";
inline constexpr const char *SymmetryYLabel = "y =";
inline constexpr const char *SymmetryAngleLabel = "\u03B1 =";
inline constexpr const char *SymmetrySlopeLabel = "m =";
inline constexpr const char *SymmetryQLabel = "q =";
// The slope of a vertical axis.
inline constexpr const char *InfiniteSlope = "inf";
// The homothety dialog. The label before the ratio carries the ratio's sign.
inline constexpr const char *HomothetyCentreXLabel = "Xc = ";
inline constexpr const char *HomothetyCentreYLabel = "Yc =";
inline constexpr const char *PositiveRatioLabel = "k = ";
inline constexpr const char *NegativeRatioLabel = "k = -";
// The dilation and shear dialogs.
inline constexpr const char *DilationXLabel = "a = ";
inline constexpr const char *DilationYLabel = "b =";
inline constexpr const char *ShearAxisItems[] = {" x", " y"};
inline constexpr const char *ShearLabel = "k =";
// The affinity dialog: its formula, the label of each coefficient and its
// name in the error line, both in the order c, a, b, c', a', b' of the
// stored texts; and the evaluator's message for an empty field, which the
// dialog never shows.
inline constexpr const char *AffineFormulaX = "x'  =  a x +  b y  +  c";
inline constexpr const char *AffineFormulaY = "y'  =  a' x +  b' y  +  c'";
inline constexpr const char *AffineFieldLabels[] = {"c = ", "a =", "b =", "c' = ", "a' = ", "b' = "};
inline constexpr const char *AffineErrorLabels[] = {"c  ", "a  ", "b  ", "c'  ", "a'  ", "b'  "};
inline constexpr const char *AffineErrorPrefix = "Error in:  ";
inline constexpr const char *EmptyExpression = "Stringa vuota";

// The space window's axis letters, x y z: upper case in the step labels,
// lower case in the legend.
inline constexpr const char *AxisLetters = "xyz";
// The space window's pop-up menu, in Italian in every language.
inline constexpr const char *SpaceShowHintsItem = "mostra suggerimenti";
inline constexpr const char *SpaceFlatButtonsItem = "pulsanti piatti";

// The expression evaluator's messages by error code (1 to 7), English in
// every language; code 0 is success.
inline constexpr const char *EvalMessages[] = {
    "",
    "arcsin or arccos out of range",
    "syntax error",
    "out of range",
    "out of range",
    "log out of range",
    "division by 0",
    "overflow",
};

// Calculator keys whose caption is not the text they add to the expression.
// Division, multiplication and pi were drawn in the Symbol typeface; the
// characters themselves are portable where that typeface is not.
inline constexpr const char *CalculatorDivide = "\u00F7";
inline constexpr const char *CalculatorMultiply = "\u00D7";
inline constexpr const char *CalculatorPi = "\u03C0";
inline constexpr const char *CalculatorEquals = "=";
inline constexpr const char *CalculatorClear = "C";
inline constexpr const char *CalculatorMemoryAdd = "M+";
inline constexpr const char *CalculatorMemorySubtract = "M-";
inline constexpr const char *CalculatorMemoryClear = "CM";
inline constexpr const char *CalculatorHelp = "?";
inline constexpr const char *CalculatorOff = "Off";
// The calculator's command-line mode, for a command line it cannot read.
inline constexpr const char *EvalUsage = "usage: aralda --eval EXPRESSION [--radians]";
inline constexpr const char *EvalEmptyExpression = "aralda: the expression is empty";
// Followed by the system's reason.
inline constexpr const char *EvalNotWritten = "aralda: the result could not be written: ";

// The plane workspace. Letters of the axes, of the vertices and of a circle's
// centre, and the texts whose extents size the workspace's marks.
inline constexpr const char *AxisX = "x";
inline constexpr const char *AxisY = "y";
inline constexpr const char *MeasureX = "X";
inline constexpr const char *MeasureA = "A";
inline constexpr const char *VertexLetters = "ABCD";
inline constexpr const char *CircleCentre = "0";
inline constexpr const char *ZoomLevels[] = {"100%", "50%", "33%"};
// The widths of the bottom panel's texts are those of these samples.
inline constexpr const char *MessageWidthSample = "Scegliere la II trasformazioneeeeeee";
inline constexpr const char *SequenceWidthSample = "direttaoooo";
inline constexpr const char *KindWidthSample = "ingrusciamentuooo";
inline constexpr const char *ModeWidthSample = "trasformazione geometricaooossss";
inline constexpr const char *ReadoutWidthSample = "123,5;234,8---123,5;234,8";
// The workspace's pop-up menu, in Italian in every language.
inline constexpr const char *PlaneShowHintsItem = "&mostra suggerimenti";
inline constexpr const char *PlaneFlatItem = "&aspetto piatto";

// The workspace's data table, in Italian in every language; only the names
// of the transformations it shows follow the language. The caption begins
// with two blanks, as the window was captioned.
inline constexpr const char *TableCaption = "  Dati delle trasformazioni";
inline constexpr const char *TablePageCaptions[] = {"Coordinate dei vertici", "Parametri delle trasformazioni",
                                                    "Matrici delle trasformazioni"};
inline constexpr const char *TableCloseHint = "Chiude finestra";
inline constexpr const char *TableInitialTitle = "Coordinate iniziali";
inline constexpr const char *TableDirectTitle = "Sequenza diretta";
inline constexpr const char *TableInverseTitle = "Sequenza inversa";
// A vertex reads A(15;11): its letter, then these around the coordinates.
inline constexpr const char *TableVertexOpen = "(";
inline constexpr const char *TableVertexSeparator = ";";
inline constexpr const char *TableVertexClose = ")";
// The parameters, each text followed by its value. The angle's and the
// dilation's labels were written in the Symbol typeface, where "a" and "b"
// are the Greek alpha and beta.
inline constexpr const char *TableTranslationX = "dx = ";
inline constexpr const char *TableTranslationY = "dy = ";
inline constexpr const char *TableCentreX = "Xc = ";
inline constexpr const char *TableCentreY = "Yc = ";
inline constexpr const char *TableRotationAngle = "a = ";
inline constexpr const char *TableAboutPoint = "rispetto a P(";
inline constexpr const char *TableAboutPointSeparator = ", ";
inline constexpr const char *TableAboutPointClose = ")";
inline constexpr const char *TableAboutVertical = "rispetto ad x = ";
inline constexpr const char *TableAboutHorizontal = "rispetto ad y = ";
inline constexpr const char *TableAboutDiagonal = "rispetto ad y = x";
inline constexpr const char *TableAboutAntidiagonal = "rispetto ad y = - x";
inline constexpr const char *TableAboutYAxis = "rispetto ad x = 0";
inline constexpr const char *TableAboutLine = "rispetto ad y = mx + q";
inline constexpr const char *TableSlope = "m = ";
inline constexpr const char *TableIntercept = "q = ";
inline constexpr const char *TableRatio = "K = ";
inline constexpr const char *TableDilationX = "a = ";
inline constexpr const char *TableDilationY = "b = ";
inline constexpr const char *TableShear = "k = ";
// The affinity's equations: x' = +2.00 x +1.50 y -6.00, terms apart by one
// blank, a sign before every coefficient.
inline constexpr const char *TableAffineX = "x' = ";
inline constexpr const char *TableAffineY = "y' = ";
inline constexpr const char *TableTermOfX = " x";
inline constexpr const char *TableTermOfY = " y";
inline constexpr const char *TableTermSeparator = " ";
inline constexpr const char *TablePlus = "+";

// The caption of the file-error window's only button, in every language.
inline constexpr const char *OkCaption = "OK";

} // namespace FixedTexts
