<?php
/*
 * Jednoduchá kniha návštìv: ukládá vzkazy do souboru a vypisuje je.
 */
define("SOUBOR", "vzkazy.txt");
define("MAX_DELKA", 2000);

class Vzkaz {
    var $jmeno;
    var $text;
    var $cas;

    function Vzkaz($jmeno, $text, $cas = 0) {
        $this->jmeno = trim($jmeno);
        $this->text = trim($text);
        $this->cas = $cas ? $cas : time();
    }

    function jePlatny() {
        if (strlen($this->jmeno) == 0 || strlen($this->text) == 0) {
            return false;
        }
        return strlen($this->text) <= MAX_DELKA;
    }

    function naRadek() {
        $text = str_replace("\n", " ", $this->text);
        return $this->cas . "\t" . $this->jmeno . "\t" . $text . "\n";
    }
}

function nactiVzkazy($soubor) {
    $vzkazy = array();
    if (!file_exists($soubor)) {
        return $vzkazy;
    }
    $radky = file($soubor);
    foreach ($radky as $radek) {
        $casti = explode("\t", rtrim($radek));
        if (count($casti) < 3) {
            continue;
        }
        $vzkazy[] = new Vzkaz($casti[1], $casti[2], (int) $casti[0]);
    }
    return array_reverse($vzkazy);
}

function ulozVzkaz($soubor, $vzkaz) {
    $f = @fopen($soubor, "a");
    if (!$f) {
        return false;
    }
    flock($f, LOCK_EX);
    fwrite($f, $vzkaz->naRadek());
    flock($f, LOCK_UN);
    fclose($f);
    return true;
}

function vypis($vzkazy, $strana = 1, $naStranu = 10) {
    $od = ($strana - 1) * $naStranu;
    $vyber = array_slice($vzkazy, $od, $naStranu);
    foreach ($vyber as $v) {
        echo "<div class=\"vzkaz\">\n";
        echo "  <b>" . htmlspecialchars($v->jmeno) . "</b> ";
        echo "<i>" . date("j. n. Y H:i", $v->cas) . "</i>\n";
        echo "  <p>" . nl2br(htmlspecialchars($v->text)) . "</p>\n";
        echo "</div>\n";
    }
    $stran = ceil(count($vzkazy) / $naStranu);
    for ($i = 1; $i <= $stran; $i++) {
        if ($i == $strana) {
            echo "<b>$i</b> ";
        } else {
            echo "<a href=\"?strana=$i\">$i</a> ";
        }
    }
}

// Zpracování odeslaného formuláøe
$chyba = "";
if (isset($_POST['jmeno']) && isset($_POST['text'])) {
    $vzkaz = new Vzkaz($_POST['jmeno'], $_POST['text']);
    if (!$vzkaz->jePlatny()) {
        $chyba = "Vyplòte jméno i text vzkazu (nejvýše " . MAX_DELKA . " znakù).";
    } elseif (!ulozVzkaz(SOUBOR, $vzkaz)) {
        $chyba = "Vzkaz se nepodaøilo uložit.";
    } else {
        header("Location: " . $_SERVER['PHP_SELF']);
        exit;
    }
}

$strana = isset($_GET['strana']) ? max(1, (int) $_GET['strana']) : 1;
$vzkazy = nactiVzkazy(SOUBOR);
if ($chyba != "") {
    echo "<p class=\"chyba\">$chyba</p>\n";
}
vypis($vzkazy, $strana);
?>
