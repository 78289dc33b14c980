<?php
/* hlavička */
$jmeno = "Svět";
function pozdrav($kdo) {
  return "Ahoj " . $kdo; # komentář
}
?>
<HTML><BODY>
<P class="<?php echo $trida; ?>"><?= pozdrav($jmeno) ?></P>
</BODY></HTML>
